// A frame that opens one of the program's editing dialogs, filled with sample data, as soon as it
// is shown, and ends the program when the dialog is closed; for screenshots of the dialogs.
#pragma once

#include "ClosingFrame.h"

class FormDialog;

class DialogShowcase : public ClosingFrame {
public:
    // The dialogs by name: password, password-leave, password-change, ingredient, occurrence,
    // occurrence-composed, menu.
    explicit DialogShowcase(const JovString& dialogName);

    // Shows the frame, then the dialog modally; disposes both when the dialog is closed.
    void show() override;

    JovString toString() const override;

private:
    // Null for an unknown name.
    FormDialog* makeDialog();

    JovString dialogName;
};
