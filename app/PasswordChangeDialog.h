// Changing the setup-mode password: the old one, then the new one twice. No rule limits the new
// password; an empty one is accepted.
#pragma once

#include "app/FormDialog.h"

class JovLabel;
class JovTextField;

class PasswordChangeDialog : public FormDialog {
public:
    static constexpr const char* title = "Passwort ändern...";
    static constexpr const char* askOldText = "Geben Sie zunächst das bisherige Passwort an.";
    static constexpr const char* askNewText =
        "Geben Sie nun das neue Passwort an\nund bestätigen Sie es.";
    static constexpr const char* oldInvalidText = "Das alte Passwort ist ungültig.";
    static constexpr const char* mismatchText = "Passwort und Wiederholung\nunterscheiden sich.";

    PasswordChangeDialog(JovWindow* owner, const JovString& password);

    // The current password until confirmed, the new one afterwards.
    const JovString& getPassword() const { return password; }

    JovLabel* getFirstMessage() const { return firstMessage; }
    JovLabel* getSecondMessage() const { return secondMessage; }
    JovTextField* getOldField() const { return oldField; }
    JovTextField* getNewField() const { return newField; }
    JovTextField* getRepeatField() const { return repeatField; }

protected:
    void okChosen() override;

private:
    // Writes both messages, the one in refusal colour, and puts the focus on field.
    void refuse(JovLabel* refusing, const JovString& refusal, JovLabel* other,
                const JovString& otherText, JovTextField* field);

    JovString password;
    JovLabel* firstMessage;
    JovLabel* secondMessage;
    JovTextField* oldField;
    JovTextField* newField;
    JovTextField* repeatField;
};
