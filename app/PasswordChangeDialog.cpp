// The password change: the old password is checked before the repetition.

#include "app/PasswordChangeDialog.h"

#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

PasswordChangeDialog::PasswordChangeDialog(JovWindow* owner, const JovString& password)
    : FormDialog(owner, title), password(password), firstMessage(new JovLabel(askOldText)),
      secondMessage(new JovLabel(askNewText)), oldField(passwordField()), newField(passwordField()),
      repeatField(passwordField()) {
    addRow({firstMessage});
    addRow({new JovLabel("Altes Passwort:"), oldField});
    addRow({secondMessage});
    addRow({new JovLabel("Neues Passwort:"), newField});
    addRow({new JovLabel("Wiederholung:"), repeatField});
    finishLayout(oldField);
}

void PasswordChangeDialog::okChosen() {
    if (oldField->getText() != password) {
        refuse(firstMessage, oldInvalidText, secondMessage, askNewText, oldField);
        return;
    }
    if (newField->getText() != repeatField->getText()) {
        refuse(secondMessage, mismatchText, firstMessage, askOldText, newField);
        return;
    }
    password = repeatField->getText();
    confirm();
}

void PasswordChangeDialog::refuse(JovLabel* refusing, const JovString& refusal, JovLabel* other,
                                  const JovString& otherText, JovTextField* field) {
    refusing->setForeground(refusalColor());
    refusing->setText(refusal);
    other->setForeground(JovColor());
    other->setText(otherText);
    refit();
    focusAndSelect(field);
}
