// The editing dialogs' frame: form rows, the button bar, closing with or without a result.

#include "app/FormDialog.h"

#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovGridBagConstraints.h"
#include "awt/JovGridBagLayout.h"
#include "awt/JovGridLayout.h"
#include "awt/JovOptionPane.h"
#include "awt/JovPanel.h"
#include "awt/JovTextField.h"
#include "awt/border/JovEmptyBorder.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovWindowEvent.h"

namespace {

constexpr int margin = 10;
constexpr int cellGap = 3;
constexpr int buttonGap = 8;
constexpr int fieldColumn = 1;
constexpr int refusalRed = 204;

JovGridBagConstraints cellAt(int column, int row, bool wholeRow) {
    JovGridBagConstraints cell;
    cell.gridx = column;
    cell.gridy = row;
    cell.gridwidth = wholeRow ? JovGridBagConstraints::REMAINDER : 1;
    cell.anchor = JovGridBagConstraints::WEST;
    cell.insets = JovInsets(cellGap, cellGap, cellGap, cellGap);
    if (column == fieldColumn) {
        cell.fill = JovGridBagConstraints::HORIZONTAL;
        cell.weightx = 1.0;
    }
    return cell;
}

} // namespace

FormDialog::FormDialog(JovWindow* owner, const JovString& title)
    : JovDialog(owner, title, true), form(new JovPanel), okButton(new JovButton("OK")),
      cancelButton(new JovButton("Abbrechen")), rows(0), confirmed(false) {
    setBorder(new JovEmptyBorder(margin, margin, margin, margin));
    form->setLayout(new JovGridBagLayout);
    add(form, JovString(JovBorderLayout::CENTER));
    add(buildButtonBar(), JovString(JovBorderLayout::SOUTH));
    setDefaultButton(okButton);
    setCancelButton(cancelButton);
}

JovPanel* FormDialog::buildButtonBar() {
    okButton->setActionCommand(okCommand);
    cancelButton->setActionCommand(cancelCommand);
    okButton->addActionListener(this);
    cancelButton->addActionListener(this);
    auto* buttons = new JovPanel;
    buttons->setLayout(new JovGridLayout(1, 2, buttonGap, 0));
    buttons->add(okButton);
    buttons->add(cancelButton);
    auto* bar = new JovPanel;
    bar->setLayout(new JovBorderLayout);
    bar->add(buttons, JovString(JovBorderLayout::EAST));
    return bar;
}

void FormDialog::addRow(std::initializer_list<JovComponent*> components) {
    const bool wholeRow = components.size() == 1;
    int column = 0;
    for (JovComponent* component : components) {
        form->add(component, cellAt(column++, rows, wholeRow));
    }
    ++rows;
}

void FormDialog::finishLayout(JovComponent* focus) {
    pack();
    JovWindow* owner = getOwner();
    setLocationRelativeTo(owner != nullptr && owner->isVisible() ? owner : nullptr);
    setInitialFocus(focus);
}

void FormDialog::refit() {
    const JovDimension wanted = getPreferredSize();
    if (wanted.width > getWidth() || wanted.height > getHeight()) {
        setSize(wanted.width > getWidth() ? wanted.width : getWidth(),
                wanted.height > getHeight() ? wanted.height : getHeight());
    }
    invalidate();
    validate();
}

void FormDialog::actionPerformed(JovActionEvent& event) {
    const JovString command = event.getActionCommand();
    if (command == okCommand) {
        okChosen();
        return;
    }
    if (command == cancelCommand) {
        close(false);
        return;
    }
    commandChosen(command);
}

void FormDialog::processWindowEvent(JovWindowEvent& event) {
    // Hiding the window reports a close request too; only one while it is shown is the user's.
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING && isVisible()) {
        close(false);
    }
}

void FormDialog::commandChosen(const JovString&) {
}

void FormDialog::confirm() {
    close(true);
}

void FormDialog::close(bool accepted) {
    confirmed = accepted;
    hide();
}

void FormDialog::showError(const JovString& title, const JovString& text) {
    JovOptionPane::show(this, text, title, JovOptionPane::ERROR_MESSAGE);
}

void FormDialog::focusAndSelect(JovTextField* field) {
    field->requestFocus();
    field->selectAll();
}

JovTextField* FormDialog::passwordField() {
    auto* field = new JovTextField;
    field->setEchoChar(passwordEcho);
    field->setColumns(fieldColumns);
    return field;
}

JovCheckBox* FormDialog::commandBox(const JovString& label, bool selected,
                                    const JovString& command) {
    auto* box = new JovCheckBox(label, selected);
    box->setActionCommand(command);
    box->addActionListener(this);
    return box;
}

JovColor FormDialog::refusalColor() {
    return JovColor(refusalRed, 0, 0);
}
