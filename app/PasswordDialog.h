// The password question around setup mode: entering asks for the password, leaving asks for a
// confirmation and whether the backup copy of the database is to be refreshed.
#pragma once

#include "app/FormDialog.h"

class JovCheckBox;
class JovLabel;
class JovTextField;

class PasswordDialog : public FormDialog {
public:
    static constexpr const char* title = "Eingabemodus...";
    static constexpr const char* enterPrompt =
        "Geben Sie das Passwort an,\num in den Eingabemodus zu gelangen.";
    static constexpr const char* leavePrompt = "Wählen Sie OK,\num den Eingabemodus zu verlassen.";
    static constexpr const char* invalidPasswordText =
        "Das Passwort ist ungültig. Groß- und\nKleinschreibung werden unterschieden.";
    static constexpr const char* defaultPasswordHint =
        "Standardpasswort in der Demoversion:\n'tessmolin'";
    static constexpr const char* backupLabel = "Sicherungskopie aktualisieren";

    // enter: the question for entering setup mode, else the one for leaving it.
    PasswordDialog(JovWindow* owner, bool enter, const JovString& password);

    // Whether the backup copy is to be refreshed; only the leave variant asks.
    bool isBackupRequested() const;

    JovLabel* getPrompt() const { return prompt; }
    JovTextField* getPasswordField() const { return passwordField; }
    JovCheckBox* getBackupBox() const { return backupBox; }

protected:
    void okChosen() override;

private:
    void buildEnterRows();
    void buildLeaveRows();

    bool enter;
    JovString password;
    JovLabel* prompt;
    JovTextField* passwordField;
    JovCheckBox* backupBox;
};
