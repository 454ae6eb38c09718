// The menu dialog driven as a user would: the kcal display while typing, the nutrition values
// with comma or point, and the checks of a new menu's number and name.
#include "app/EditMenuDialog.h"
#include "DialogTest.h"
#include "app/model/Menu.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

class EditMenuDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        menu.reset(new Menu("Rindergulasch", 101));
    }
    void TearDown() override {
        menu.reset();
        DialogTest::TearDown();
    }
    EditMenuDialog* open(bool isNew) {
        return dialog = new EditMenuDialog(owner, menu.get(), isNew, this);
    }

    // Rows in the order the dialog shows them.
    static constexpr int energy = 0;
    static constexpr int fat = 5;

    JovReference<Menu> menu;
    EditMenuDialog* dialog = nullptr;
};

TEST_F(EditMenuDialogTest, TheKcalLabelFollowsTheEnergyWhileItIsTyped) {
    menu->putDouble("bw", 1000.0);
    open(false);
    JovLabel* kcal = dialog->getKcalLabel();
    std::vector<Step> steps{[=] { EXPECT_EQ(shown(kcal), "238 kcal"); }};
    for (const auto& [typed, shows] :
         std::vector<std::pair<std::string, std::string>>{{"1500", "358 kcal"},
                                                          {"100", "23 kcal"},
                                                          {"1500,9", "358 kcal"},
                                                          {"1e300", "2147483647 kcal"},
                                                          {"", "0 kcal"}}) {
        steps.push_back(typing(dialog->getNutritionField(energy), typed));
        steps.push_back([=, shows = shows] {
            EXPECT_EQ(shown(kcal), shows);
            // The dialog grew with the label: nothing is cut off.
            EXPECT_GE(kcal->getWidth(), kcal->getPreferredSize().width);
        });
    }
    EXPECT_FALSE(run(dialog, steps));
}

TEST_F(EditMenuDialogTest, NutritionValuesAreStoredWithCommaOrPointAndOtherTextAsZero) {
    for (const auto& [typed, value] : std::vector<std::pair<std::string, double>>{
             {"3,5", 3.5}, {"3.5", 3.5}, {"fett", 0.0}, {"12,5 g", 12.5}}) {
        open(false);
        EXPECT_TRUE(
            run(dialog, {typing(dialog->getNutritionField(fat), typed), pressing(VK_RETURN)}));
        EXPECT_DOUBLE_EQ(menu->getDouble("fe"), value) << typed;
    }
    open(false);
    EXPECT_FALSE(run(dialog, {typing(dialog->getNutritionField(fat), "1"), pressing(VK_ESCAPE)}));
    EXPECT_DOUBLE_EQ(menu->getDouble("fe"), 12.5);
}

TEST_F(EditMenuDialogTest, ANewMenuNeedsAFreeNumberAndItsOwnNameAnExistingOneNeither) {
    Menu("Linseneintopf", 205).insert(getConnection());
    open(false);
    EXPECT_TRUE(run(dialog, {typing(dialog->getIdField(), "205"), pressing(VK_RETURN)}));
    menu->put(Menu::nameKey, JovString("<Neues Menü>"));
    menu->setId(0);
    open(true);
    EXPECT_EQ(dialog->getTitle(), JovString("<Neues Menü> hinzufügen..."));
    EXPECT_TRUE(run(dialog, {typing(dialog->getIdField(), "205"),
                             refusal(dialog, "Artikelnummer schon vergeben...",
                                     "Die Artikelnummer '205' existiert bereits.\n"
                                     "Bitte geben Sie eine neue Artikelnummer ein."),
                             [this] { EXPECT_EQ(shown(dialog->getIdField()), "0"); },
                             typing(dialog->getIdField(), "206"),
                             refusal(dialog, "Name fehlt...",
                                     "Es wurde kein Name eingegeben.\n"
                                     "Bitte geben Sie einen Menünamen ein."),
                             typing(dialog->getNameField(), "Linsensuppe"), pressing(VK_RETURN)}));
    EXPECT_EQ(menu->getId(), 206);
    EXPECT_EQ(menu->getName(), JovString("Linsensuppe"));
}
