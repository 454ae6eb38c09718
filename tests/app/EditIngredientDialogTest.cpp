// The ingredient master-data dialog driven as a user would: the article number and name checks
// in their order, the enabling of the optional values and what "OK" writes into the ingredient.
#include "app/EditIngredientDialog.h"
#include "DialogTest.h"
#include "app/model/Ingredient.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* invalidText = "Die eingegebene Artikelnummer ist ung\xFCltig.\n"
                                    "Bitte geben Sie nur ganze Zahlen gr\xF6\xDF"
                                    "er null ein.";

void pick(HWND choice, int index) {
    SendMessageA(choice, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(choice), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(choice), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(choice));
}

} // namespace

class EditIngredientDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        onions = new Ingredient("Zwiebeln", 1011);
        onions->addRef();
    }
    void TearDown() override {
        onions->release();
        DialogTest::TearDown();
    }

    EditIngredientDialog* open(bool isNew) {
        dialog = new EditIngredientDialog(owner, onions, isNew, this);
        return dialog;
    }
    void type(JovTextField* field, const std::string& text) const {
        UserSteps::typeInto(windowOf(field), text);
    }

    Ingredient* onions = nullptr;
    EditIngredientDialog* dialog = nullptr;
};

TEST_F(EditIngredientDialogTest, BadArticleNumbersAreRefusedAndTheFieldRestoredThen007IsSeven) {
    struct Case {
        const char* typed;
        const char* title;
        const char* text;
    };
    std::vector<UserSteps::Step> steps;
    for (const Case& test :
         {Case{"0", "Artikelnummer ung\xFCltig...", invalidText},
          Case{"-5", "Artikelnummer ung\xFCltig...", invalidText},
          Case{"12a", "Artikelnummer ung\xFCltig...", invalidText},
          Case{"99999999999", "Artikelnummer ung\xFCltig...", invalidText},
          Case{"  ", "Artikelnummer fehlt...",
               "Es wurde kein Artikelnummer eingegeben.\nBitte geben Sie eine Nummer ein."}}) {
        steps.push_back([this, test] { type(dialog->getIdField(), test.typed); });
        steps.push_back([this, test] {
            EXPECT_EQ(refusedWith(dialog, test.title), test.text) << test.typed;
            EXPECT_EQ(shown(dialog->getIdField()), "1011");
            EXPECT_TRUE(focusedAndSelected(dialog->getIdField()));
        });
    }
    steps.push_back([this] { type(dialog->getIdField(), "007"); });
    steps.push_back([] { UserSteps::pressKey(VK_RETURN); });
    EXPECT_TRUE(run(open(false), steps));
    EXPECT_EQ(onions->getId(), 7);
}

TEST_F(EditIngredientDialogTest, ATakenNumberIsRefusedOnlyForANewIngredient) {
    Ingredient("Rinderhack", 42).insert(getConnection());
    for (const bool isNew : {true, false}) {
        std::string refusal;
        const bool confirmed =
            run(open(isNew), {[this] {
                                  type(dialog->getIdField(), "42");
                                  type(dialog->getNameField(), "Zwiebeln");
                              },
                              [&] {
                                  if (!isNew) {
                                      UserSteps::pressKey(VK_RETURN);
                                      return;
                                  }
                                  refusal = refusedWith(dialog, "Artikelnummer schon vergeben...");
                              }});
        EXPECT_EQ(confirmed, !isNew);
        EXPECT_EQ(refusal, isNew ? "Die Artikelnummer '42' existiert bereits.\n"
                                   "Bitte geben Sie eine neue Artikelnummer ein."
                                 : "");
    }
}

TEST_F(EditIngredientDialogTest, TheNewIngredientsPlaceholderNameIsRefusedKeepingTheNumber) {
    onions->setName("<Neue Zutat>");
    onions->setId(0);
    const bool confirmed = run(
        open(true),
        {[this] {
             EXPECT_EQ(shown(dialog), "<Neue Zutat> hinzuf\xFCgen...");
             type(dialog->getIdField(), "5");
         },
         [this] {
             EXPECT_EQ(refusedWith(dialog, "Name fehlt..."),
                       "Es wurde kein Name eingegeben.\nBitte geben Sie einen Zutatennamen ein.");
             EXPECT_EQ(shown(dialog->getIdField()), "5");
             EXPECT_TRUE(focusedAndSelected(dialog->getNameField()));
             type(dialog->getNameField(), " Schalotten ");
         },
         [] { UserSteps::pressKey(VK_RETURN); }});
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(onions->getName(), JovString("Schalotten"));
    EXPECT_EQ(onions->getId(), 5);
}

TEST_F(EditIngredientDialogTest, TheMeatShareIsStoredAsAFractionWithCommaOrPoint) {
    for (const auto& [typed, share] : std::vector<std::pair<std::string, double>>{
             {"30", 0.3}, {"3,5", 0.035}, {"3.5", 0.035}, {"viel", 0.0}}) {
        const bool confirmed =
            run(open(false), {[&] {
                                  UserSteps::click(windowOf(dialog->getMeatBox()));
                                  type(dialog->getMeatField(), typed);
                              },
                              [] { UserSteps::pressKey(VK_RETURN); }});
        EXPECT_TRUE(confirmed);
        EXPECT_DOUBLE_EQ(onions->getFleischanteil(), share) << typed;
        EXPECT_TRUE(onions->isFleischanteilAngeben());
        onions->setFleischanteilAngeben(false);
    }
}

TEST_F(EditIngredientDialogTest, TheBoxesEnableTheirControlsAndOkWritesTheForm) {
    onions->setVerkehrsbezeichnung("Speisezwiebeln");
    const bool confirmed = run(
        open(false), {[this] {
                          EXPECT_EQ(shown(dialog), "Zwiebeln bearbeiten...");
                          EXPECT_EQ(shown(dialog->getSalesNameField()), "Speisezwiebeln");
                          EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getMeatField())));
                          EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getPortionChoice())));
                          EXPECT_FALSE(IsWindowEnabled(windowOf(dialog->getClassChoice())));
                          for (JovCheckBox* box : {dialog->getPortionBox(), dialog->getClassBox(),
                                                   dialog->getFemaleBox(), dialog->getPluralBox(),
                                                   dialog->getLabellingBox()}) {
                              UserSteps::click(windowOf(box));
                          }
                          EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getPortionChoice())));
                          EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getClassChoice())));
                          pick(windowOf(dialog->getPortionChoice()), 2);
                          pick(windowOf(dialog->getClassChoice()), 22);
                          type(dialog->getDativeField(), "Zwiebelringen ");
                      },
                      [] { UserSteps::pressKey(VK_RETURN); }});
    ASSERT_TRUE(confirmed);
    EXPECT_TRUE(onions->isPortionValid());
    EXPECT_EQ(onions->getPortion(), JovString("be"));
    EXPECT_TRUE(onions->isIngrClassValid());
    EXPECT_EQ(onions->getIngrClass(), JovString("Zucker"));
    EXPECT_TRUE(onions->isFemale());
    EXPECT_TRUE(onions->isPlural());
    EXPECT_TRUE(onions->isKennzPflichtig());
    EXPECT_EQ(onions->getDativPlural(), JovString("Zwiebelringen"));
    EXPECT_EQ(onions->getVerkehrsbezeichnung(), JovString("Speisezwiebeln"));
}

TEST_F(EditIngredientDialogTest, CancelAndTheCloseBoxLeaveTheIngredientUnchanged) {
    for (const bool closeBox : {false, true}) {
        const bool confirmed = run(open(false), {[this, closeBox] {
                                       type(dialog->getNameField(), "Lauch");
                                       if (closeBox) {
                                           UserSteps::closeBox(windowOf(dialog));
                                           return;
                                       }
                                       UserSteps::pressKey(VK_ESCAPE);
                                   }});
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(onions->getName(), JovString("Zwiebeln"));
    }
}
