// The frame the editing dialogs share: a modal dialog whose rows sit in a grid-bag form, with "OK"
// and "Abbrechen" at the bottom right (Enter and Escape anywhere in the dialog), and a result flag.
#pragma once

#include "awt/JovColor.h"
#include "awt/JovDialog.h"
#include "awt/event/JovActionListener.h"

#include <initializer_list>

class JovButton;
class JovCheckBox;
class JovPanel;
class JovTextField;

class FormDialog : public JovDialog, public JovActionListener {
public:
    static constexpr const char* okCommand = "Ok";
    static constexpr const char* cancelCommand = "Cancel";

    // Read by the caller after the modal show, before it disposes the dialog: true only after a
    // successful "OK". The dialog only hides itself, so the caller still holds it then.
    bool isConfirmed() const { return confirmed; }

    void actionPerformed(JovActionEvent& event) override;
    // The close box is "Abbrechen".
    void processWindowEvent(JovWindowEvent& event) override;

    JovButton* getOkButton() const { return okButton; }
    JovButton* getCancelButton() const { return cancelButton; }

protected:
    // How many digits wide an empty text field of the forms is.
    static constexpr int fieldColumns = 20;
    // A password field shows this for every character.
    static constexpr char passwordEcho = '*';

    FormDialog(JovWindow* owner, const JovString& title);

    // One row of the form: the components in the columns caption, field, unit, note; a single
    // component spans the whole row.
    void addRow(std::initializer_list<JovComponent*> components);
    // Makes the windows, sizes the dialog to its rows and centres it on its owner; focus is the
    // component that gets the focus when the dialog opens.
    void finishLayout(JovComponent* focus);
    // Lays the rows out again after a text changed, growing the dialog when they need more room.
    void refit();

    // "OK" was chosen: check the input, then confirm or refuse.
    virtual void okChosen() = 0;
    // The action commands of the form's own controls.
    virtual void commandChosen(const JovString& command);
    // The input is accepted: the result is true and the dialog closes.
    void confirm();
    // A message box with the error icon.
    void showError(const JovString& title, const JovString& text);
    // The field gets the focus with its whole text selected, so that typing replaces it.
    static void focusAndSelect(JovTextField* field);

    // A field of fieldColumns digits that shows passwordEcho for every character.
    static JovTextField* passwordField();
    // Listens to the box and gives it command.
    JovCheckBox* commandBox(const JovString& label, bool selected, const JovString& command);

    // The colour a refusal is written in: red made darker.
    static JovColor refusalColor();

private:
    void close(bool accepted);
    JovPanel* buildButtonBar();

    JovPanel* form;
    JovButton* okButton;
    JovButton* cancelButton;
    int rows;
    bool confirmed;
};
