// The search bar, table, popup menu and command handling of the ingredient and the menu table.

#include "app/ItemTablePanel.h"

#include "app/MainFrame.h"
#include "app/PanelDialogs.h"
#include "app/SearchPanel.h"
#include "app/model/AbstractMeal.h"
#include "app/model/ExceptionReport.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"

namespace {

constexpr const char* componentName = "Meldungen";
constexpr int idColumn = 1;

} // namespace

ItemTablePanel::ItemTablePanel(MainFrame* frame, GageView* labelView, const JovVector& columnNames,
                               bool withMenus)
    : JovPanel(new JovBorderLayout()), frame(frame), labelView(labelView), columnNames(columnNames),
      table(new JovTable(rows, this->columnNames)), searchPanel(new SearchPanel(frame, withMenus)),
      popupMenu(new ItemPopupMenu(this)) {
    setName(componentName);
    table->setColumnAlignment(idColumn, JovTableColumn::RIGHT);
    table->setCellRenderer(this);
    table->addCheckListener(this);
    table->addMouseListener(this);
    add(searchPanel, JovString(JovBorderLayout::NORTH));
    add(table, JovString(JovBorderLayout::CENTER));
    JovButton* newButton = getNewButton();
    newButton->setVisible(false);
    newButton->setActionCommand(ItemPopupMenu::newCommand);
    newButton->addActionListener(this);
}

JovButton* ItemTablePanel::getNewButton() const {
    return searchPanel->getNewButton();
}

void ItemTablePanel::requestFocus() {
    table->requestFocus();
}

void ItemTablePanel::removeAllRows() {
    const int shown = table->getAnnouncedRowCount();
    rows.removeAllElements();
    if (shown > 0) {
        table->rowsDeleted(0, shown - 1);
    }
}

void ItemTablePanel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    try {
        if (command == JovString(ItemPopupMenu::newCommand)) {
            createItem();
        } else if (command == JovString(ItemPopupMenu::editCommand)) {
            editSelected();
        } else if (command == JovString(ItemPopupMenu::deleteCommand)) {
            deleteSelected();
        }
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void ItemTablePanel::valueChanging(JovListSelectionEvent&) {
}

void ItemTablePanel::valueChanged(JovListSelectionEvent&) {
}

void ItemTablePanel::keyPressed(JovKeyEvent&) {
}

void ItemTablePanel::keyReleased(JovKeyEvent&) {
}

void ItemTablePanel::keyTyped(JovKeyEvent&) {
}

void ItemTablePanel::mouseClicked(JovMouseEvent& event) {
    const int row = table->getSelectedRow();
    if (event.getClickCount() != 2 || !MainFrame::isSetupMode() || row < 0 || !isEditable(row)) {
        return;
    }
    try {
        editSelected();
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void ItemTablePanel::mousePressed(JovMouseEvent& event) {
    showPopupMenu(event);
}

void ItemTablePanel::mouseReleased(JovMouseEvent& event) {
    showPopupMenu(event);
}

void ItemTablePanel::mouseEntered(JovMouseEvent&) {
}

void ItemTablePanel::mouseExited(JovMouseEvent&) {
}

void ItemTablePanel::focusGained(JovFocusEvent&) {
}

void ItemTablePanel::focusLost(JovFocusEvent&) {
}

JovString ItemTablePanel::getCellText(JovTable&, JovObject* value, int, int column) {
    if (value == nullptr) {
        return JovString();
    }
    const auto* item = column == 0 ? dynamic_cast<const AbstractMeal*>(value) : nullptr;
    return item != nullptr ? item->getName() : value->toString();
}

AbstractMeal* ItemTablePanel::itemAt(int row) const {
    const auto* cells = static_cast<const JovVector*>(rows.elementAt(row));
    return cells != nullptr ? static_cast<AbstractMeal*>(cells->elementAt(0)) : nullptr;
}

void ItemTablePanel::refill(const JovString& query) {
    removeAllRows();
    try {
        ScopedStatement statement(frame->getConnection());
        ResultSet* found = statement.executeQuery(query);
        while (found != nullptr && found->next()) {
            appendFound(*found);
        }
    } catch (const JovException& exception) {
        ExceptionReport::toStandardOutput(exception);
    }
    // One notice for all rows, also for those read before a failure.
    if (!rows.isEmpty()) {
        table->rowsInserted(0, rows.size() - 1);
    }
}

JovString ItemTablePanel::newItemName(const char* placeholder) const {
    const JovString term = searchPanel->getSearchText().trim();
    return term.length() > 0 ? term : JovString(placeholder);
}

bool ItemTablePanel::isEditable(int) const {
    return true;
}

void ItemTablePanel::showPopupMenu(JovMouseEvent& event) {
    if (event.isPopupTrigger() && table->getSelectedRow() >= 0) {
        popupMenu->showAt(table, event.getX(), event.getY());
    }
}
