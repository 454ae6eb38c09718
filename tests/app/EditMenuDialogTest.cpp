// The menu dialog driven as a user would: the kcal display while typing, the nutrition values
// with comma or point, the placeholder name and the article number test for new menus.
#include "app/EditMenuDialog.h"
#include "DialogTest.h"
#include "app/model/Menu.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

class EditMenuDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        menu = new Menu("Rindergulasch", 101);
        menu->addRef();
    }
    void TearDown() override {
        menu->release();
        DialogTest::TearDown();
    }

    EditMenuDialog* open(bool isNew) {
        dialog = new EditMenuDialog(owner, menu, isNew, this);
        return dialog;
    }
    // Row indexes in the order the dialog shows them.
    static constexpr int energy = 0;
    static constexpr int fat = 5;

    Menu* menu = nullptr;
    EditMenuDialog* dialog = nullptr;
};

TEST_F(EditMenuDialogTest, TheKcalLabelFollowsTheEnergyWhileItIsTyped) {
    menu->putDouble("bw", 1000.0);
    std::vector<UserSteps::Step> steps{
        [this] { EXPECT_EQ(shown(dialog->getKcalLabel()), "238 kcal"); }};
    for (const auto& [typed, kcal] :
         std::vector<std::pair<std::string, std::string>>{{"1500", "358 kcal"},
                                                          {"100", "23 kcal"},
                                                          {"1,5", "0 kcal"},
                                                          {"-100", "-23 kcal"},
                                                          {"1e300", "2147483647 kcal"},
                                                          {"", "0 kcal"}}) {
        steps.push_back([this, typed] {
            UserSteps::typeInto(windowOf(dialog->getNutritionField(energy)), typed);
        });
        steps.push_back([this, typed, kcal] {
            EXPECT_EQ(shown(dialog->getKcalLabel()), kcal) << typed;
            // The label grew with its text: nothing is cut off.
            EXPECT_GE(dialog->getKcalLabel()->getWidth(),
                      dialog->getKcalLabel()->getPreferredSize().width);
        });
    }
    EXPECT_FALSE(run(open(false), steps));
}

TEST_F(EditMenuDialogTest, NutritionValuesAreStoredWithCommaOrPointAndOtherTextAsZero) {
    for (const auto& [typed, value] : std::vector<std::pair<std::string, double>>{
             {"3,5", 3.5}, {"3.5", 3.5}, {"fett", 0.0}, {"12,5 g", 12.5}}) {
        const bool confirmed = run(
            open(false), {[this, typed] {
                              UserSteps::typeInto(windowOf(dialog->getNutritionField(fat)), typed);
                          },
                          [] { UserSteps::pressKey(VK_RETURN); }});
        EXPECT_TRUE(confirmed);
        EXPECT_DOUBLE_EQ(menu->getDouble("fe"), value) << typed;
    }
}

TEST_F(EditMenuDialogTest, ANewMenuNeedsItsOwnNameAndAFreeNumber) {
    Menu("Linseneintopf", 205).insert(getConnection());
    menu->put(Menu::nameKey, JovString("<Neues Men\xFC>"));
    const bool confirmed = run(
        open(true),
        {[this] {
             EXPECT_EQ(shown(dialog), "<Neues Men\xFC> hinzuf\xFCgen...");
             UserSteps::typeInto(windowOf(dialog->getIdField()), "205");
         },
         [this] {
             EXPECT_EQ(refusedWith(dialog, "Artikelnummer schon vergeben..."),
                       "Die Artikelnummer '205' existiert bereits.\n"
                       "Bitte geben Sie eine neue Artikelnummer ein.");
             EXPECT_EQ(shown(dialog->getIdField()), "101");
             UserSteps::typeInto(windowOf(dialog->getIdField()), "206");
         },
         [this] {
             EXPECT_EQ(refusedWith(dialog, "Name fehlt..."),
                       "Es wurde kein Name eingegeben.\nBitte geben Sie einen Men\xFCnamen ein.");
             UserSteps::typeInto(windowOf(dialog->getNameField()), "Linsensuppe");
         },
         [] { UserSteps::pressKey(VK_RETURN); }});
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(menu->getId(), 206);
    EXPECT_EQ(menu->getName(), JovString("Linsensuppe"));
}

TEST_F(EditMenuDialogTest, AnExistingMenuKeepsItsTakenNumberAndCancelChangesNothing) {
    Menu("Rindergulasch", 101).insert(getConnection());
    EXPECT_TRUE(run(open(false), {[] { UserSteps::pressKey(VK_RETURN); }}));
    menu->putDouble("fe", 7.0);
    EXPECT_FALSE(run(open(false), {[this] {
                         UserSteps::typeInto(windowOf(dialog->getNutritionField(fat)), "1");
                         UserSteps::pressKey(VK_ESCAPE);
                     }}));
    EXPECT_DOUBLE_EQ(menu->getDouble("fe"), 7.0);
}
