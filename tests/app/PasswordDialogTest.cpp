// The setup-mode password dialogs driven as a user would: typing, Enter, Escape, clicks and the
// close box; the refusals in their texts, colours and order.
#include "app/PasswordDialog.h"
#include "DialogTest.h"
#include "app/PasswordChangeDialog.h"
#include "awt/JovCheckBox.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

using PasswordDialogTest = DialogTest;

namespace {

// 0: black, 204: the refusal's dark red.
int redOf(const JovLabel* label) {
    const JovColor& colour = label->getForeground();
    return colour.getGreen() == 0 && colour.getBlue() == 0 ? colour.getRed() : -1;
}

} // namespace

TEST_F(PasswordDialogTest, AWrongCaseIsRefusedInDarkRedThenTheRightPasswordEnters) {
    auto* dialog = new PasswordDialog(owner, true, "tessmolin");
    JovTextField* field = dialog->getPasswordField();
    JovLabel* prompt = dialog->getPrompt();
    EXPECT_TRUE(run(dialog, {[&] {
                                 EXPECT_EQ(GetFocus(), windowOf(field));
                                 EXPECT_EQ(SendMessageA(windowOf(field), EM_GETPASSWORDCHAR, 0, 0),
                                           '*');
                             },
                             typing(field, "Tessmolin"), pressing(VK_RETURN),
                             [&] {
                                 EXPECT_EQ(shown(prompt), "Das Passwort ist ungültig. Groß- und\r\n"
                                                          "Kleinschreibung werden unterschieden.");
                                 EXPECT_EQ(redOf(prompt), 204);
                                 // The dialog grew with the longer text.
                                 EXPECT_GE(prompt->getWidth(), prompt->getPreferredSize().width);
                                 EXPECT_TRUE(focusedAndSelected(field));
                             },
                             typing(field, "tessmolin"), pressing(VK_RETURN)}));
}

TEST_F(PasswordDialogTest, LeavingAsksForTheBackupAndAnyWayOutButOkKeepsSetupMode) {
    struct Case {
        bool enter;
        bool tick;
        Step leave;
        bool confirmed;
    };
    for (const Case& test : {Case{false, true, pressing(VK_RETURN), true},
                             Case{false, false, pressing(VK_RETURN), true},
                             Case{false, true, pressing(VK_ESCAPE), false},
                             Case{false, false, UserSteps::closing(nullptr), false},
                             Case{true, false, pressing(VK_ESCAPE), false}}) {
        const JovReference<PasswordDialog> dialog(
            new PasswordDialog(owner, test.enter, "tessmolin"));
        std::vector<Step> steps{test.leave};
        if (test.tick) {
            steps.insert(steps.begin(), clicking(dialog->getBackupBox()));
        }
        EXPECT_EQ(run(dialog.get(), steps), test.confirmed);
        EXPECT_EQ(dialog->isBackupRequested(), test.tick);
    }
}

TEST_F(PasswordDialogTest, AWrongOldPasswordIsReportedBeforeAMismatchAndAnEmptyNewOneIsAccepted) {
    const JovReference<PasswordChangeDialog> dialog(new PasswordChangeDialog(owner, "tessmolin"));
    JovLabel* first = dialog->getFirstMessage();
    JovLabel* second = dialog->getSecondMessage();
    EXPECT_TRUE(
        run(dialog.get(),
            {typing(dialog->getOldField(), "TESSMOLIN"), typing(dialog->getNewField(), "neu"),
             typing(dialog->getRepeatField(), "anders"), pressing(VK_RETURN),
             [&] {
                 EXPECT_EQ(shown(first), "Das alte Passwort ist ungültig.");
                 EXPECT_EQ(redOf(first), 204);
                 EXPECT_EQ(redOf(second), 0);
                 EXPECT_TRUE(focusedAndSelected(dialog->getOldField()));
             },
             typing(dialog->getOldField(), "tessmolin"), pressing(VK_RETURN),
             [&] {
                 EXPECT_EQ(shown(first), "Geben Sie zunächst das bisherige Passwort an.");
                 EXPECT_EQ(redOf(first), 0);
                 EXPECT_EQ(shown(second), "Passwort und Wiederholung\r\nunterscheiden sich.");
                 EXPECT_EQ(redOf(second), 204);
                 EXPECT_TRUE(focusedAndSelected(dialog->getNewField()));
             },
             typing(dialog->getNewField(), ""), typing(dialog->getRepeatField(), ""),
             pressing(VK_RETURN)}));
    EXPECT_EQ(dialog->getPassword(), JovString(""));
}
