// The occurrence dialog driven as a user would: the weight check, the rows its three flags show or
// leave out, the enabling of the percentage basis and what "OK" writes into the occurrence.
#include "app/AddIngredientDialog.h"
#include "DialogTest.h"
#include "app/model/Ingredient.h"
#include "awt/JovButton.h"
#include "awt/JovCheckBox.h"
#include "awt/JovContainer.h"
#include "awt/JovLabel.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Place = AddIngredientDialog::Place;

// The texts of every label in the dialog, in the order of the rows.
void collectLabels(const JovContainer* container, std::vector<std::string>& texts) {
    for (int i = 0; i < container->getComponentCount(); ++i) {
        const JovComponent* child = container->getComponent(i);
        if (const auto* label = dynamic_cast<const JovLabel*>(child)) {
            texts.push_back(label->getText().chars());
        }
        if (const auto* inner = dynamic_cast<const JovContainer*>(child)) {
            collectLabels(inner, texts);
        }
    }
}

bool hasLabel(const JovContainer* dialog, const std::string& text) {
    std::vector<std::string> texts;
    collectLabels(dialog, texts);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

class AddIngredientDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        cream = new Ingredient("Sahne", 1020);
        cream->addRef();
        cream->setAmount(250.0);
    }
    void TearDown() override {
        cream->release();
        DialogTest::TearDown();
    }

    AddIngredientDialog* open(bool adding, Place place) {
        dialog = new AddIngredientDialog(owner, cream, adding, place);
        return dialog;
    }

    Ingredient* cream = nullptr;
    AddIngredientDialog* dialog = nullptr;
};

TEST_F(AddIngredientDialogTest, OnlyGramsWithADecimalCommaAboveZeroAreAWeight) {
    std::vector<UserSteps::Step> steps;
    for (const char* refused : {"12.5", "0", "0,0", "", "-3"}) {
        steps.push_back(
            [this, refused] { UserSteps::typeInto(windowOf(dialog->getWeightField()), refused); });
        steps.push_back([this, refused] {
            EXPECT_EQ(refusedWith(dialog, "Mengenangabe ung\xFCltig..."),
                      "Die eingegebene Mengenangabe ist ung\xFCltig.\n"
                      "Bitte geben Sie nur Grammzahlen gr\xF6\xDF"
                      "er 0,0 ein.")
                << refused;
            EXPECT_EQ(shown(dialog->getWeightField()), "250,0");
            EXPECT_TRUE(focusedAndSelected(dialog->getWeightField()));
        });
    }
    steps.push_back([this] { UserSteps::typeInto(windowOf(dialog->getWeightField()), "12,5"); });
    steps.push_back([] { UserSteps::pressKey(VK_RETURN); });
    EXPECT_TRUE(run(open(true, Place{false, false, false}), steps));
    EXPECT_DOUBLE_EQ(cream->getAmount(), 12.5);
    EXPECT_DOUBLE_EQ(cream->getWorkingWeight(), 12.5);
}

TEST_F(AddIngredientDialogTest, TheThreeFlagsShowOrLeaveOutTheirRows) {
    struct Case {
        Place place;
        bool note;
        bool weightBox;
        bool basis;
    };
    for (const Case& test : {Case{{false, false, false}, false, false, true},
                             Case{{true, false, false}, true, false, true},
                             Case{{false, true, false}, false, true, true},
                             Case{{false, false, true}, false, false, false}}) {
        open(true, test.place)->addRef();
        EXPECT_EQ(hasLabel(dialog, "Der Gewichtsanteil ist ver\xE4nderlich."), test.note);
        EXPECT_EQ(dialog->getWeightBox()->getParent() != nullptr, test.weightBox);
        EXPECT_EQ(hasLabel(dialog, "Einwaage:"), !test.weightBox);
        EXPECT_EQ(dialog->getBasisBox()->getParent() != nullptr, test.basis);
        EXPECT_EQ(dialog->getValueGivingBox()->isEnabled(), !test.place.variableShare);
        EXPECT_FALSE(run(dialog, {[] { UserSteps::pressKey(VK_ESCAPE); }}));
        dialog->release();
    }
}

TEST_F(AddIngredientDialogTest, TitleHeaderAndLabellingNoteFollowModeAndIngredient) {
    cream->setKennzPflichtig(true);
    cream->setPlural(true);
    for (const bool adding : {true, false}) {
        open(adding, Place{false, false, false});
        EXPECT_EQ(dialog->getTitle(), JovString(adding ? "Sahne zum Men\xFC hinzuf\xFCgen..."
                                                       : "Sahne im Men\xFC bearbeiten..."));
        EXPECT_TRUE(hasLabel(dialog, adding ? AddIngredientDialog::addingHeader
                                            : AddIngredientDialog::editingHeader));
        EXPECT_TRUE(hasLabel(dialog, "Sahne sind kennzeichnungspflichtig."));
        run(dialog, {});
    }
}

TEST_F(AddIngredientDialogTest, UntickingValueGivingDisablesThePercentageBasis) {
    cream->setWertgebend(true);
    const bool confirmed =
        run(open(false, Place{false, false, false}),
            {[this] {
                 EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getBasisBox())));
                 UserSteps::click(windowOf(dialog->getValueGivingBox()));
                 EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getBasisBox())));
                 for (JovCheckBox* box : {dialog->getTitleBox(), dialog->getVariableBox()}) {
                     UserSteps::click(windowOf(box));
                 }
             },
             [] { UserSteps::pressKey(VK_RETURN); }});
    ASSERT_TRUE(confirmed);
    EXPECT_FALSE(cream->isWertgebend());
    EXPECT_TRUE(cream->isImTitel());
    EXPECT_TRUE(cream->isVeraenderlicheAnteile());
    EXPECT_DOUBLE_EQ(cream->getAmount(), 250.0);
}

TEST_F(AddIngredientDialogTest, AComposedIngredientsWeightIsCheckedOnlyWhileItIsGiven) {
    cream->setMengeAngeben(false);
    const bool confirmed =
        run(open(false, Place{false, true, false}),
            {[this] {
                 EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getWeightField())));
                 UserSteps::click(windowOf(dialog->getWeightBox()));
                 EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getWeightField())));
                 EXPECT_EQ(GetFocus(), windowOf(dialog->getWeightField()));
                 UserSteps::typeInto(windowOf(dialog->getWeightField()), "0");
             },
             [this] {
                 EXPECT_FALSE(refusedWith(dialog, "Mengenangabe ung\xFCltig...").empty());
                 UserSteps::click(windowOf(dialog->getWeightBox()));
                 SetWindowTextA(windowOf(dialog->getWeightField()), "Unsinn");
                 UserSteps::click(windowOf(dialog->getOkButton()));
             }});
    ASSERT_TRUE(confirmed);
    EXPECT_FALSE(cream->isMengeAngeben());
    EXPECT_DOUBLE_EQ(cream->getAmount(), 250.0);
}
