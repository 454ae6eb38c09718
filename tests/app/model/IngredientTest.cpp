// Ingredients through the real database chain: reading rows with NULL texts, the display text,
// phrases and icons, and the statements that write, delete and look up Zutaten rows.
#include "app/model/Ingredient.h"
#include "CompositionTest.h"
#include "app/model/Menu.h"
#include "awt/JovImageIcon.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::string descriptionOf(JovImageIcon* icon) {
    const std::unique_ptr<JovImageIcon> owned(icon);
    return owned != nullptr ? owned->getDescription().chars() : "";
}

} // namespace

using IngredientTest = CompositionTest;

TEST_F(IngredientTest, DisplayTextShowsWeightsFromOneTenthGramAndVariableSharesBelowTheFlag) {
    storePlain({{5016, "Gemüsemischung"}, {5001, "Gemüsebrühe"}, {1011, "Karotten"}});
    for (const auto& [amount, text] : {std::pair<double, const char*>{0.05, "Karotten"},
                                       {0.1, "Karotten (0,1 g)"},
                                       {12.5, "Karotten (12,5 g)"}}) {
        JovReference<Ingredient> carrots(readIngredient(1011, amount));
        EXPECT_STREQ(carrots->toString().chars(), text);
    }
    JovReference<Ingredient> mix(readIngredient(5016, 250.0, ownWeight | variableShares));
    JovReference<Ingredient> broth(readIngredient(5001, 50.0, ownWeight, mix.get()));
    JovReference<Ingredient> carrots(readIngredient(1011, 20.0, ownWeight, broth.get()));
    EXPECT_STREQ(mix->toString().chars(), "Gemüsemischung (250,0 g)");
    EXPECT_STREQ(broth->toString().chars(), "Gemüsebrühe (veränderl.)");
    EXPECT_STREQ(carrots->toString().chars(), "Karotten (veränderl.)");
    EXPECT_TRUE(carrots->hasVariableShares());
    EXPECT_FALSE(carrots->isVeraenderlicheAnteile());
}

TEST_F(IngredientTest, DativePhraseArticleFollowsNumberThenGender) {
    store(IngredientRow(1, "Erbsen").female().plural());
    store(IngredientRow(2, "Rahmsauce").female());
    store(IngredientRow(3, "Reibekäse").salesName("Gouda, gerieben").dativePlural("Gouda"));
    store(IngredientRow(4, "Trinkwasser").salesName("Wasser"));
    const char* const phrases[] = {" in den Erbsen", " in der Rahmsauce", " im Gouda",
                                   " im Wasser"};
    for (int id = 1; id <= 4; ++id) {
        JovReference<Ingredient> item(readIngredient(id));
        EXPECT_STREQ(item->getDativePhrase().chars(), phrases[id - 1]) << "ingredient " << id;
    }
}

TEST_F(IngredientTest, FlagIconNamesTheSetFlagsInOrder) {
    store(IngredientRow(1, "Senf").labelled());
    store(IngredientRow(2, "Reis"));
    struct Case {
        int id;
        int flags;
        const char* file;
    };
    for (const Case& c :
         {Case{1, inTitle, "images/TK.bmp"}, Case{1, inTitle | valueGiving, "images/TWK.bmp"},
          Case{2, valueGiving, "images/W.bmp"}, Case{2, 0, "images/nothing.bmp"}}) {
        JovReference<Ingredient> item(readIngredient(c.id, 10.0, c.flags));
        EXPECT_EQ(descriptionOf(item->getIcon()), c.file);
    }
}

class IngredientRowsTest : public CompositionTest {
protected:
    static int rowsWhere(const char* condition) {
        return rowCount(JovString("SELECT * FROM Zutaten WHERE ") + condition + ";");
    }
};

TEST_F(IngredientRowsTest, TextsEqualToTheirFallbackAreStoredAsNullAndReadBackAsFallback) {
    Ingredient onions("Zwiebeln", 17);
    onions.setVerkehrsbezeichnung("Zwiebeln");
    onions.setDativPlural("Zwiebeln");
    onions.setFemale(true);
    onions.setPlural(true);
    onions.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 17 AND Name = 'Zwiebeln' AND Verkehrsbezeichnung IS NULL AND "
                        "DativPlural IS NULL AND Portion IS NULL AND Klasse IS NULL AND "
                        "weiblich = 1 AND Plural = 1 AND kennzPflichtig = 0 AND "
                        "Fleischanteil = 0 AND fleischanteilAngeben = 0"),
              1);
    JovReference<Ingredient> read(readIngredient(17, 12.5, ownWeight | inTitle));
    EXPECT_STREQ(read->getVerkehrsbezeichnung().chars(), "");
    EXPECT_STREQ(read->getLabelName().chars(), "Zwiebeln");
    EXPECT_STREQ(read->getString(Ingredient::dativPluralKey).chars(), "Zwiebeln");
    EXPECT_FALSE(read->isPortionValid() || read->isIngrClassValid());
    EXPECT_TRUE(read->isFemale() && read->isPlural() && read->isImTitel());
    EXPECT_DOUBLE_EQ(read->getWorkingWeight(), 12.5);
}

TEST_F(IngredientRowsTest, EveryChosenTextAndFlagIsStoredAndReadBack) {
    Ingredient cheese("Reibekäse", 1037);
    cheese.setVerkehrsbezeichnung("Gouda, gerieben");
    cheese.setDativPlural("Gouda");
    cheese.setPortionValid(true);
    cheese.setPortion("be");
    cheese.setIngrClassValid(true);
    cheese.setIngrClass("Farbstoff");
    cheese.setKennzPflichtig(true);
    cheese.setFleischanteil(0.3);
    cheese.setFleischanteilAngeben(true);
    cheese.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 1037 AND Name = 'Reibekäse' AND Verkehrsbezeichnung = 'Gouda, "
                        "gerieben' AND DativPlural = 'Gouda' AND Portion = 'be' AND "
                        "Klasse = 'Farbstoff' AND kennzPflichtig = 1 AND Fleischanteil = 0.3 AND "
                        "fleischanteilAngeben = 1"),
              1);

    JovReference<Ingredient> read(
        readIngredient(1037, 20.0, valueGiving | ofWholeMenu | variableShares));
    EXPECT_STREQ(read->getLabelName().chars(), "Gouda, gerieben");
    EXPECT_STREQ(read->getDativPlural().chars(), "Gouda");
    EXPECT_TRUE(read->isPortionValid() && read->isIngrClassValid());
    EXPECT_STREQ(read->getPortion().chars(), "be");
    EXPECT_STREQ(read->getIngrClass().chars(), "Farbstoff");
    EXPECT_TRUE(read->isKennzPflichtig() && read->isFleischanteilAngeben());
    EXPECT_DOUBLE_EQ(read->getFleischanteil(), 0.3);
    EXPECT_FALSE(read->isMengeAngeben());
    EXPECT_TRUE(read->isWertgebend() && read->isMengeAufMenueBeziehen() &&
                read->isVeraenderlicheAnteile());
}

TEST_F(IngredientRowsTest, EmptySalesNameIsStoredAsEmptyTextUnlessTheNameIsEmptyToo) {
    Ingredient salt("Speisesalz", 1041);
    salt.setDativPlural("Speisesalz");
    salt.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 1041 AND Verkehrsbezeichnung = '' AND DativPlural = 'Speisesalz'"),
              1);
    Ingredient nameless("", 1042);
    nameless.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 1042 AND Verkehrsbezeichnung IS NULL AND DativPlural IS NULL"), 1);
}

TEST_F(IngredientRowsTest, UpdateRewritesTextsWithTheSameNullRules) {
    store(IngredientRow(17, "Zwiebeln")
              .salesName("Zwiebeln, rot")
              .portion("ge")
              .additiveClass("Konservierungsstoff"));
    JovReference<Ingredient> onions(readIngredient(17));
    onions->setName("Rote Zwiebeln");
    onions->setVerkehrsbezeichnung("Rote Zwiebeln");
    onions->setDativPlural("Rote Zwiebeln");
    onions->setPortionValid(false);
    onions->setIngrClassValid(false);
    onions->setFleischanteil(0.125);
    onions->setFleischanteilAngeben(true);
    onions->update(connection);
    EXPECT_EQ(rowsWhere("ID = 17 AND Name = 'Rote Zwiebeln' AND Verkehrsbezeichnung IS NULL AND "
                        "DativPlural IS NULL AND Portion IS NULL AND Klasse IS NULL AND "
                        "Fleischanteil = 0.125 AND fleischanteilAngeben = 1"),
              1);

    onions->setVerkehrsbezeichnung("Zwiebeln, rot");
    onions->setPortionValid(true);
    onions->setPortion("ge");
    onions->update(connection);
    EXPECT_EQ(rowsWhere("ID = 17 AND Verkehrsbezeichnung = 'Zwiebeln, rot' AND "
                        "DativPlural = 'Rote Zwiebeln' AND Portion = 'ge' AND Klasse IS NULL"),
              1);
    EXPECT_EQ(rowCount("SELECT * FROM Zutaten;"), 1);
}

TEST_F(IngredientRowsTest, RemoveDeletesTheOwnCompositionButNotUsesElsewhere) {
    store(IngredientRow(5003, "Rahmsauce"));
    storeShares(5003, {{1033, 0.5}, {1018, 0.5}});
    storeShares(5004, {{5003, 0.3}});
    storeFill(101, 5003, 100);
    JovReference<Ingredient> sauce(readIngredient(5003));
    sauce->remove(connection);
    EXPECT_EQ(rowCount("SELECT * FROM Zutaten WHERE ID = 5003;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Eltern = 5003;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Kind = 5003;"), 1);
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Kind = 5003;"), 1);
}

TEST_F(IngredientRowsTest, ExistsAnswersForNumbersOnly) {
    store(IngredientRow(1019, "Zwiebeln"));
    EXPECT_TRUE(Ingredient::exists("1019", connection));
    EXPECT_TRUE(Ingredient::exists("01019", connection));
    for (const char* notStored : {"1020", "", "1019 OR 1=1", "12a"}) {
        EXPECT_FALSE(Ingredient::exists(notStored, connection)) << notStored;
    }
}

// A read-only database refuses every item write; the refusal reaches the caller with the
// driver's text, and a two-statement delete leaves both tables as they were.
TEST_F(IngredientRowsTest, WritesToAReadOnlyDatabaseAreReportedAndStoreNothing) {
    store(IngredientRow(5003, "Rahmsauce"));
    storeShares(5003, {{1033, 1.0}});
    storeMenu(101, "Teller");
    storeFill(101, 5003, 100);
    JovReference<Ingredient> sauce(readIngredient(5003));
    sauce->setName("Sahnesauce");
    JovReference<Ingredient> fresh(new Ingredient("Pfeffer", 34));
    JovReference<Menu> menu(new Menu("Suppenteller", 101));
    const std::pair<const char*, std::function<void()>> writes[] = {
        {"insert ingredient", [&] { fresh->insert(connection); }},
        {"update ingredient", [&] { sauce->update(connection); }},
        {"remove ingredient", [&] { sauce->remove(connection); }},
        {"insert menu", [&] { Menu("Neu", 102).insert(connection); }},
        {"update menu", [&] { menu->update(connection); }},
        {"remove menu", [&] { menu->remove(connection); }},
    };
    ASSERT_GE(execute("PRAGMA query_only = ON;"), 0);
    for (const auto& [write, action] : writes) {
        const std::string refusal = refusalOf(action);
        EXPECT_NE(refusal.find("readonly"), std::string::npos) << write << ": " << refusal;
    }
    ASSERT_GE(execute("PRAGMA query_only = OFF;"), 0);
    EXPECT_EQ(textsOf("SELECT * FROM Zutaten ORDER BY ID;", "Name"), "Rahmsauce");
    EXPECT_EQ(textsOf("SELECT * FROM Menues ORDER BY ID;", "Name"), "Teller");
    EXPECT_EQ(shareRowsOf(5003), Rows({"1033 1.000000 M"}));
    EXPECT_EQ(fillRowsOf(101), Rows({"5003 100 M"}));
}
