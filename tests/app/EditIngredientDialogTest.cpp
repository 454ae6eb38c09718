// The ingredient master-data dialog driven as a user would: the article number and name checks
// in their order, the enabling of the optional values and what "OK" writes into the ingredient.
#include "app/EditIngredientDialog.h"
#include "DialogTest.h"
#include "app/model/Ingredient.h"
#include "awt/JovCheckBox.h"
#include "awt/JovChoice.h"
#include "awt/JovTextField.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr const char* invalidTitle = "Artikelnummer ungültig...";
constexpr const char* invalidText = "Die eingegebene Artikelnummer ist ungültig.\n"
                                    "Bitte geben Sie nur ganze Zahlen größer null ein.";

} // namespace

class EditIngredientDialogTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        onions.reset(new Ingredient("Zwiebeln", 1011));
    }
    void TearDown() override {
        onions.reset();
        DialogTest::TearDown();
    }
    EditIngredientDialog* open(bool isNew) {
        return dialog = new EditIngredientDialog(owner, onions.get(), isNew, this);
    }

    // What the control sends when the user picks index in the list.
    static Step picking(const JovComponent* choice, int index) {
        HWND window = windowOf(choice);
        return [window, index] {
            SendMessageA(window, CB_SETCURSEL, index, 0);
            SendMessageA(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(window));
        };
    }

    JovReference<Ingredient> onions;
    EditIngredientDialog* dialog = nullptr;
};

TEST_F(EditIngredientDialogTest, BadArticleNumbersAreRefusedAndTheFieldRestoredThen007IsSeven) {
    open(false);
    std::vector<Step> steps;
    for (const auto& [typed, title, text] :
         std::vector<std::tuple<const char*, const char*, const char*>>{
             {"0", invalidTitle, invalidText},
             {"-5", invalidTitle, invalidText},
             {"12a", invalidTitle, invalidText},
             {"99999999999", invalidTitle, invalidText},
             {"  ", "Artikelnummer fehlt...",
              "Es wurde kein Artikelnummer eingegeben.\nBitte geben Sie eine Nummer ein."}}) {
        steps.push_back(typing(dialog->getIdField(), typed));
        steps.push_back(refusal(dialog, title, text));
        steps.push_back([this] {
            EXPECT_EQ(shown(dialog->getIdField()), "1011");
            EXPECT_TRUE(focusedAndSelected(dialog->getIdField()));
        });
    }
    steps.push_back(typing(dialog->getIdField(), "007"));
    steps.push_back(pressing(VK_RETURN));
    EXPECT_TRUE(run(dialog, steps));
    EXPECT_EQ(onions->getId(), 7);
}

TEST_F(EditIngredientDialogTest, ATakenNumberAndThePlaceholderNameAreRefusedForANewIngredient) {
    Ingredient("Rinderhack", 42).insert(getConnection());
    open(false);
    EXPECT_TRUE(run(dialog, {typing(dialog->getIdField(), "42"), pressing(VK_RETURN)}));
    onions->setName("<Neue Zutat>");
    open(true);
    EXPECT_EQ(dialog->getTitle(), JovString("<Neue Zutat> hinzufügen..."));
    EXPECT_TRUE(run(dialog, {typing(dialog->getIdField(), "42"),
                             refusal(dialog, "Artikelnummer schon vergeben...",
                                     "Die Artikelnummer '42' existiert bereits.\n"
                                     "Bitte geben Sie eine neue Artikelnummer ein."),
                             typing(dialog->getIdField(), "5"),
                             refusal(dialog, "Name fehlt...",
                                     "Es wurde kein Name eingegeben.\n"
                                     "Bitte geben Sie einen Zutatennamen ein."),
                             [this] {
                                 EXPECT_EQ(shown(dialog->getIdField()), "5");
                                 EXPECT_TRUE(focusedAndSelected(dialog->getNameField()));
                             },
                             typing(dialog->getNameField(), " Schalotten "), pressing(VK_RETURN)}));
    EXPECT_EQ(onions->getName(), JovString("Schalotten"));
    EXPECT_EQ(onions->getId(), 5);
}

TEST_F(EditIngredientDialogTest, TheMeatShareIsStoredAsAFractionWithCommaOrPoint) {
    for (const auto& [typed, share] : std::vector<std::pair<std::string, double>>{
             {"30", 0.3}, {"3,5", 0.035}, {"3.5", 0.035}, {"viel", 0.0}}) {
        onions->setFleischanteilAngeben(false);
        open(false);
        EXPECT_TRUE(run(dialog, {clicking(dialog->getMeatBox()),
                                 typing(dialog->getMeatField(), typed), pressing(VK_RETURN)}));
        EXPECT_DOUBLE_EQ(onions->getFleischanteil(), share) << typed;
        EXPECT_TRUE(onions->isFleischanteilAngeben());
    }
}

TEST_F(EditIngredientDialogTest, TheBoxesEnableTheirControlsAndOkWritesTheForm) {
    onions->setVerkehrsbezeichnung("Speisezwiebeln");
    open(false);
    EXPECT_EQ(dialog->getTitle(), JovString("Zwiebeln bearbeiten..."));
    std::vector<Step> steps{[this] {
        for (const JovComponent* control :
             {static_cast<const JovComponent*>(dialog->getMeatField()),
              static_cast<const JovComponent*>(dialog->getPortionChoice()),
              static_cast<const JovComponent*>(dialog->getClassChoice())}) {
            EXPECT_FALSE(IsWindowEnabled(windowOf(control)));
        }
    }};
    for (const JovCheckBox* box :
         {dialog->getPortionBox(), dialog->getClassBox(), dialog->getFemaleBox(),
          dialog->getPluralBox(), dialog->getLabellingBox()}) {
        steps.push_back(clicking(box));
    }
    steps.push_back([this] {
        EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getPortionChoice())));
        EXPECT_TRUE(IsWindowEnabled(windowOf(dialog->getClassChoice())));
    });
    steps.push_back(picking(dialog->getPortionChoice(), 2));
    steps.push_back(picking(dialog->getClassChoice(), 22));
    steps.push_back(typing(dialog->getDativeField(), "Zwiebelringen "));
    steps.push_back(pressing(VK_RETURN));
    ASSERT_TRUE(run(dialog, steps));
    EXPECT_TRUE(onions->isPortionValid() && onions->isIngrClassValid() && onions->isFemale() &&
                onions->isPlural() && onions->isKennzPflichtig());
    EXPECT_EQ(onions->getPortion(), JovString("be"));
    EXPECT_EQ(onions->getIngrClass(), JovString("Zucker"));
    EXPECT_EQ(onions->getDativPlural(), JovString("Zwiebelringen"));
    EXPECT_EQ(onions->getVerkehrsbezeichnung(), JovString("Speisezwiebeln"));
}

TEST_F(EditIngredientDialogTest, EscapeAndTheCloseBoxLeaveTheIngredientUnchanged) {
    for (const Step& leave : {pressing(VK_ESCAPE), UserSteps::closing(nullptr)}) {
        open(false);
        EXPECT_FALSE(run(dialog, {typing(dialog->getNameField(), "Lauch"), leave}));
        EXPECT_EQ(onions->getName(), JovString("Zwiebeln"));
    }
}
