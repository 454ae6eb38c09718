// The enter and leave variants of the setup-mode question and the password check.

#include "app/PasswordDialog.h"

#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

namespace {

constexpr int hintRed = 255;

} // namespace

PasswordDialog::PasswordDialog(JovWindow* owner, bool enter, const JovString& password)
    : FormDialog(owner, title), enter(enter), password(password),
      prompt(new JovLabel(enter ? enterPrompt : leavePrompt)), passwordField(nullptr),
      backupBox(nullptr) {
    addRow({prompt});
    if (enter) {
        buildEnterRows();
        finishLayout(passwordField);
        return;
    }
    buildLeaveRows();
    finishLayout(getOkButton());
}

void PasswordDialog::buildEnterRows() {
    passwordField = FormDialog::passwordField();
    addRow({new JovLabel("Passwort:"), passwordField});
    auto* hint = new JovLabel(defaultPasswordHint);
    hint->setForeground(JovColor(hintRed, 0, 0));
    addRow({hint});
}

void PasswordDialog::buildLeaveRows() {
    backupBox = new JovCheckBox(backupLabel);
    addRow({backupBox});
}

bool PasswordDialog::isBackupRequested() const {
    return backupBox != nullptr && backupBox->isSelected();
}

void PasswordDialog::okChosen() {
    // Compared byte for byte: upper and lower case differ.
    if (!enter || passwordField->getText() == password) {
        confirm();
        return;
    }
    prompt->setForeground(refusalColor());
    prompt->setText(invalidPasswordText);
    refit();
    focusAndSelect(passwordField);
}
