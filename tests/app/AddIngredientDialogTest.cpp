// The occurrence dialog driven as a user would: the weight check, the rows its three flags show or
// leave out, the enabling of the percentage basis and what "OK" writes into the occurrence.
#include "app/AddIngredientDialog.h"
#include "DialogTest.h"
#include "app/model/Ingredient.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

using Place = AddIngredientDialog::Place;

class AddIngredientDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        cream.reset(new Ingredient("Sahne", 1020));
        cream->setAmount(250.0);
    }
    void TearDown() override {
        cream.reset();
        DialogTest::TearDown();
    }
    AddIngredientDialog* open(bool adding, Place place) {
        return dialog = new AddIngredientDialog(owner, cream.get(), adding, place);
    }
    // Whether a label of the dialog shows text.
    static bool hasLabel(const JovContainer* container, const char* text) {
        for (int i = 0; i < container->getComponentCount(); ++i) {
            const JovComponent* child = container->getComponent(i);
            const auto* label = dynamic_cast<const JovLabel*>(child);
            const auto* inner = dynamic_cast<const JovContainer*>(child);
            if ((label != nullptr && label->getText() == text) ||
                (inner != nullptr && hasLabel(inner, text))) {
                return true;
            }
        }
        return false;
    }

    JovReference<Ingredient> cream;
    AddIngredientDialog* dialog = nullptr;
};

TEST_F(AddIngredientDialogTest, OnlyGramsWithADecimalCommaAboveZeroAreAWeight) {
    open(true, Place{false, false, false});
    std::vector<Step> steps;
    for (const char* refused : {"12.5", "0", "0,0", "", "-3"}) {
        steps.push_back(typing(dialog->getWeightField(), refused));
        steps.push_back(refusal(dialog, "Mengenangabe ungültig...",
                                "Die eingegebene Mengenangabe ist ungültig.\n"
                                "Bitte geben Sie nur Grammzahlen größer 0,0 ein."));
        steps.push_back([this] {
            EXPECT_EQ(shown(dialog->getWeightField()), "250,0");
            EXPECT_TRUE(focusedAndSelected(dialog->getWeightField()));
        });
    }
    steps.push_back(typing(dialog->getWeightField(), "12,5"));
    steps.push_back(pressing(VK_RETURN));
    EXPECT_TRUE(run(dialog, steps));
    EXPECT_DOUBLE_EQ(cream->getAmount(), 12.5);
    EXPECT_DOUBLE_EQ(cream->getWorkingWeight(), 12.5);
}

TEST_F(AddIngredientDialogTest, TheThreeFlagsShowOrLeaveOutTheirRowsAndTheModeNamesTitleAndHeader) {
    cream->setKennzPflichtig(true);
    cream->setPlural(true);
    struct Case {
        bool adding;
        Place place;
        const char* title;
    };
    for (const Case& test : {Case{true, {false, false, false}, "Sahne zum Menü hinzufügen..."},
                             Case{false, {true, false, false}, "Sahne im Menü bearbeiten..."},
                             Case{true, {false, true, false}, "Sahne zum Menü hinzufügen..."},
                             Case{true, {false, false, true}, "Sahne zum Menü hinzufügen..."}}) {
        open(test.adding, test.place);
        EXPECT_EQ(dialog->getTitle(), JovString(test.title));
        EXPECT_TRUE(hasLabel(dialog, test.adding ? AddIngredientDialog::addingHeader
                                                 : AddIngredientDialog::editingHeader));
        EXPECT_EQ(hasLabel(dialog, "Der Gewichtsanteil ist veränderlich."),
                  test.place.variableShare);
        EXPECT_EQ(dialog->getWeightBox()->getParent() != nullptr, test.place.composed);
        EXPECT_EQ(hasLabel(dialog, "Einwaage:"), !test.place.composed);
        EXPECT_EQ(dialog->getBasisBox()->getParent() == nullptr, test.place.noPercentageBasis);
        EXPECT_EQ(dialog->getValueGivingBox()->isEnabled(), !test.place.variableShare);
        EXPECT_TRUE(hasLabel(dialog, "Sahne sind kennzeichnungspflichtig."));
        EXPECT_FALSE(run(dialog, {pressing(VK_ESCAPE)}));
    }
}

TEST_F(AddIngredientDialogTest, UntickingValueGivingDisablesThePercentageBasis) {
    cream->setWertgebend(true);
    open(false, Place{false, false, false});
    ASSERT_TRUE(
        run(dialog, {[this] { EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getBasisBox()))); },
                     clicking(dialog->getValueGivingBox()),
                     [this] { EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getBasisBox()))); },
                     clicking(dialog->getTitleBox()), clicking(dialog->getVariableBox()),
                     pressing(VK_RETURN)}));
    EXPECT_FALSE(cream->isWertgebend());
    EXPECT_TRUE(cream->isImTitel() && cream->isVeraenderlicheAnteile());
    EXPECT_DOUBLE_EQ(cream->getAmount(), 250.0);
}

TEST_F(AddIngredientDialogTest, AComposedIngredientsWeightIsCheckedOnlyWhileItIsGiven) {
    cream->setMengeAngeben(false);
    open(false, Place{false, true, false});
    JovTextField* weight = dialog->getWeightField();
    ASSERT_TRUE(run(dialog, {[=] { EXPECT_FALSE(IsWindowEnabled(windowOf(weight))); },
                             clicking(dialog->getWeightBox()),
                             [=] { EXPECT_EQ(GetFocus(), windowOf(weight)); }, typing(weight, "0"),
                             refusal(dialog, "Mengenangabe ungültig...",
                                     "Die eingegebene Mengenangabe ist ungültig.\n"
                                     "Bitte geben Sie nur Grammzahlen größer 0,0 ein."),
                             clicking(dialog->getWeightBox()),
                             [=] { SetWindowTextA(windowOf(weight), "Unsinn"); },
                             clicking(dialog->getOkButton())}));
    EXPECT_FALSE(cream->isMengeAngeben());
    EXPECT_DOUBLE_EQ(cream->getAmount(), 250.0);
}
