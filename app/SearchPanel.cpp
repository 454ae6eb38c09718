// The search bar of both table panels.

#include "app/SearchPanel.h"

#include "app/MainFrame.h"
#include "app/model/ItemSearch.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovComboBox.h"
#include "awt/JovDimension.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovLabel.h"
#include "awt/border/JovEmptyBorder.h"
#include "awt/event/JovActionEvent.h"

namespace {

constexpr const char* componentName = "Search Panel";
constexpr int fieldWidth = 200;
constexpr int fieldHeight = 21;
constexpr int gap = 10;
constexpr int margin = 5;

} // namespace

SearchPanel::SearchPanel(MainFrame* frame, bool forMenus)
    : JovPanel(new JovBorderLayout()), frame(frame), forMenus(forMenus),
      label(new JovLabel(caption)), searchField(new JovComboBox()),
      newButton(new JovButton(newCaption)) {
    setName(componentName);
    searchField->setPreferredSize(JovDimension(fieldWidth, fieldHeight));
    searchField->addDocumentListener(this);
    searchField->addActionListener(this);
    auto* bar = new JovPanel(new JovFlowLayout(JovFlowLayout::LEFT, gap, 0));
    bar->setBorder(new JovEmptyBorder(margin, 0, margin, 0));
    bar->add(label);
    bar->add(searchField);
    bar->add(newButton);
    add(bar, JovString(JovBorderLayout::CENTER));
}

JovString SearchPanel::getSearchText() const {
    return searchField->getText();
}

void SearchPanel::requestFocus() {
    searchField->requestFocus();
}

JovString SearchPanel::likePattern(const JovString& term) {
    return ItemSearch::likePattern(term);
}

void SearchPanel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    if (command == JovString(JovComboBox::RETURN_PRESSED)) {
        rememberTerm(searchField->getText());
    } else if (command == JovString(JovComboBox::SELECTION_CHANGED)) {
        // A term taken from the history replaces the text without a document event.
        searchFor(searchField->getSelectedItem());
    }
}

void SearchPanel::focusGained(JovFocusEvent&) {
}

void SearchPanel::focusLost(JovFocusEvent&) {
}

void SearchPanel::insertUpdate(DocumentEvent&) {
    searchFor(searchField->getText());
}

void SearchPanel::removeUpdate(DocumentEvent&) {
    searchFor(searchField->getText());
}

void SearchPanel::changedUpdate(DocumentEvent&) {
    searchFor(searchField->getText());
}

JovString SearchPanel::toString() const {
    return "tarvelund.main.SearchPanel";
}

void SearchPanel::searchFor(const JovString& term) {
    if (forMenus) {
        frame->searchMenusFor(term);
    } else {
        frame->searchIngredientsFor(term);
    }
}

void SearchPanel::rememberTerm(const JovString& term) {
    for (int i = 0; i < searchField->getItemCount(); ++i) {
        if (searchField->getItem(i) == term) {
            return;
        }
    }
    searchField->addItem(term);
}
