// The setup-mode password dialogs driven as a user would: typing, Enter, Escape, clicks and the
// close box; the refusals in their texts, colours and order.
#include "app/PasswordDialog.h"
#include "DialogTest.h"
#include "app/PasswordChangeDialog.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

using PasswordDialogTest = DialogTest;

namespace {

bool isRefusalColour(const JovLabel* label) {
    const JovColor& colour = label->getForeground();
    return colour.getRed() == 204 && colour.getGreen() == 0 && colour.getBlue() == 0;
}

bool isBlack(const JovLabel* label) {
    const JovColor& colour = label->getForeground();
    return colour.getRed() == 0 && colour.getGreen() == 0 && colour.getBlue() == 0;
}

} // namespace

TEST_F(PasswordDialogTest, AWrongCaseIsRefusedInDarkRedThenTheRightPasswordEnters) {
    auto* dialog = new PasswordDialog(owner, true, "tessmolin");
    JovTextField* field = dialog->getPasswordField();
    const bool confirmed =
        run(dialog, {[&] {
                         EXPECT_EQ(GetFocus(), windowOf(field));
                         EXPECT_EQ(SendMessageA(windowOf(field), EM_GETPASSWORDCHAR, 0, 0), '*');
                         UserSteps::typeInto(windowOf(field), "Tessmolin");
                     },
                     [] { UserSteps::pressKey(VK_RETURN); },
                     [&] {
                         EXPECT_TRUE(IsWindowVisible(windowOf(dialog)));
                         EXPECT_EQ(shown(dialog->getPrompt()),
                                   "Das Passwort ist ung\xFCltig. Gro\xDF- und\r\n"
                                   "Kleinschreibung werden unterschieden.");
                         EXPECT_TRUE(isRefusalColour(dialog->getPrompt()));
                         // The longer text made the dialog grow: nothing is cut off.
                         EXPECT_GE(dialog->getPrompt()->getWidth(),
                                   dialog->getPrompt()->getPreferredSize().width);
                         EXPECT_TRUE(focusedAndSelected(field));
                         UserSteps::typeInto(windowOf(field), "tessmolin");
                     },
                     [] { UserSteps::pressKey(VK_RETURN); }});
    EXPECT_TRUE(confirmed);
}

TEST_F(PasswordDialogTest, EscapeCancelsTheEnterDialog) {
    auto* dialog = new PasswordDialog(owner, true, "tessmolin");
    EXPECT_EQ(shown(dialog->getPrompt()),
              "Geben Sie das Passwort an,\r\num in den Eingabemodus zu gelangen.");
    EXPECT_FALSE(run(dialog, {[] { UserSteps::pressKey(VK_ESCAPE); }}));
}

TEST_F(PasswordDialogTest, LeavingAsksForTheBackupAndAnyWayOutButOkKeepsSetupMode) {
    struct Case {
        bool tick;
        UserSteps::Step leave;
        bool confirmed;
        bool backup;
    };
    for (const Case& test :
         {Case{true, [] { UserSteps::pressKey(VK_RETURN); }, true, true},
          Case{false, [] { UserSteps::pressKey(VK_RETURN); }, true, false},
          Case{true, [] { UserSteps::pressKey(VK_ESCAPE); }, false, true},
          Case{false, [] { UserSteps::closeBox(GetActiveWindow()); }, false, false}}) {
        auto* dialog = new PasswordDialog(owner, false, "tessmolin");
        dialog->addRef();
        EXPECT_EQ(shown(dialog->getBackupBox()), "Sicherungskopie aktualisieren");
        const bool confirmed =
            run(dialog, {[&] {
                             if (test.tick) {
                                 UserSteps::click(windowOf(dialog->getBackupBox()));
                             }
                         },
                         test.leave});
        EXPECT_EQ(confirmed, test.confirmed);
        EXPECT_EQ(dialog->isBackupRequested(), test.backup);
        dialog->release();
    }
}

TEST_F(PasswordDialogTest, AWrongOldPasswordIsReportedBeforeAMismatchAndAnEmptyNewOneIsAccepted) {
    auto* dialog = new PasswordChangeDialog(owner, "tessmolin");
    dialog->addRef();
    JovLabel* first = dialog->getFirstMessage();
    JovLabel* second = dialog->getSecondMessage();
    const bool confirmed = run(
        dialog, {[&] {
                     EXPECT_EQ(GetFocus(), windowOf(dialog->getOldField()));
                     UserSteps::typeInto(windowOf(dialog->getOldField()), "TESSMOLIN");
                     UserSteps::typeInto(windowOf(dialog->getNewField()), "neu");
                     UserSteps::typeInto(windowOf(dialog->getRepeatField()), "anders");
                 },
                 [] { UserSteps::pressKey(VK_RETURN); },
                 [&] {
                     EXPECT_EQ(shown(first), "Das alte Passwort ist ung\xFCltig.");
                     EXPECT_TRUE(isRefusalColour(first));
                     EXPECT_TRUE(isBlack(second));
                     EXPECT_TRUE(focusedAndSelected(dialog->getOldField()));
                     UserSteps::typeInto(windowOf(dialog->getOldField()), "tessmolin");
                 },
                 [] { UserSteps::pressKey(VK_RETURN); },
                 [&] {
                     EXPECT_EQ(shown(first), "Geben Sie zun\xE4"
                                             "chst das bisherige Passwort an.");
                     EXPECT_TRUE(isBlack(first));
                     EXPECT_EQ(shown(second), "Passwort und Wiederholung\r\nunterscheiden sich.");
                     EXPECT_TRUE(isRefusalColour(second));
                     EXPECT_TRUE(focusedAndSelected(dialog->getNewField()));
                     UserSteps::typeInto(windowOf(dialog->getNewField()), "");
                     UserSteps::typeInto(windowOf(dialog->getRepeatField()), "");
                 },
                 [] { UserSteps::pressKey(VK_RETURN); }});
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(dialog->getPassword(), JovString(""));
    dialog->release();
}

TEST_F(PasswordDialogTest, CancellingTheChangeKeepsThePassword) {
    auto* dialog = new PasswordChangeDialog(owner, "tessmolin");
    dialog->addRef();
    EXPECT_FALSE(run(dialog, {[&] {
                         UserSteps::typeInto(windowOf(dialog->getOldField()), "tessmolin");
                         UserSteps::click(windowOf(dialog->getCancelButton()));
                     }}));
    EXPECT_EQ(dialog->getPassword(), JovString("tessmolin"));
    dialog->release();
}
