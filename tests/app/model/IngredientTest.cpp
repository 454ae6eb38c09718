// Ingredients through the real database chain: reading rows with NULL texts, the display text,
// phrases and icons, and the statements that write, delete and look up Zutaten rows.
#include "app/model/Ingredient.h"
#include "CompositionTest.h"
#include "awt/JovImageIcon.h"
#include "sql/ResultSet.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::string iconFile(const AbstractMeal& item) {
    std::unique_ptr<JovImageIcon> icon(item.getIcon());
    return icon != nullptr ? icon->getDescription().chars() : "";
}

std::string portionIconFile(const Ingredient& item) {
    std::unique_ptr<JovImageIcon> icon(item.getPortionIcon());
    return icon->getDescription().chars();
}

} // namespace

using IngredientTest = CompositionTest;

TEST_F(IngredientTest, RowWithoutOptionalTextsFallsBackToTheName) {
    store(IngredientRow(1019, "Zwiebeln").female().plural());
    Held<Ingredient> onions(readIngredient(1019, 12.5, ownWeight | inTitle));
    EXPECT_STREQ(onions->getName().chars(), "Zwiebeln");
    EXPECT_EQ(onions->getId(), 1019);
    EXPECT_STREQ(onions->getVerkehrsbezeichnung().chars(), "");
    EXPECT_STREQ(onions->getLabelName().chars(), "Zwiebeln");
    EXPECT_STREQ(onions->getString(Ingredient::dativPluralKey).chars(), "Zwiebeln");
    EXPECT_FALSE(onions->isPortionValid());
    EXPECT_FALSE(onions->isIngrClassValid());
    EXPECT_TRUE(onions->isFemale());
    EXPECT_TRUE(onions->isPlural());
    EXPECT_DOUBLE_EQ(onions->getAmount(), 12.5);
    EXPECT_DOUBLE_EQ(onions->getWorkingWeight(), 12.5);
    EXPECT_TRUE(onions->isImTitel());
    EXPECT_FALSE(onions->isWertgebend());
    EXPECT_TRUE(onions->getComponents().isEmpty());
    EXPECT_TRUE(onions->getQuidList().isEmpty());
}

TEST_F(IngredientTest, RowWithAllTextsAndFlags) {
    store(IngredientRow(1037, "Reibekäse")
              .salesName("Gouda, gerieben")
              .dativePlural("Gouda")
              .portion("be")
              .additiveClass("Farbstoff")
              .labelled()
              .declaredMeat(0.25));
    Held<Ingredient> cheese(readIngredient(1037, 20.0, valueGiving | ofWholeMenu | variableShares));
    EXPECT_STREQ(cheese->getLabelName().chars(), "Gouda, gerieben");
    EXPECT_STREQ(cheese->getDativPlural().chars(), "Gouda");
    EXPECT_TRUE(cheese->isPortionValid());
    EXPECT_STREQ(cheese->getPortion().chars(), "be");
    EXPECT_TRUE(cheese->isIngrClassValid());
    EXPECT_STREQ(cheese->getIngrClass().chars(), "Farbstoff");
    EXPECT_TRUE(cheese->isKennzPflichtig());
    EXPECT_DOUBLE_EQ(cheese->getFleischanteil(), 0.25);
    EXPECT_TRUE(cheese->isFleischanteilAngeben());
    EXPECT_FALSE(cheese->isMengeAngeben());
    EXPECT_TRUE(cheese->isWertgebend());
    EXPECT_TRUE(cheese->isMengeAufMenueBeziehen());
    EXPECT_TRUE(cheese->isVeraenderlicheAnteile());
}

TEST_F(IngredientTest, DisplayTextShowsWeightsFromOneTenthGram) {
    store(IngredientRow(1019, "Zwiebeln"));
    Held<Ingredient> tiny(readIngredient(1019, 0.05));
    Held<Ingredient> some(readIngredient(1019, 12.5));
    Held<Ingredient> tenth(readIngredient(1019, 0.1));
    EXPECT_STREQ(tiny->toString().chars(), "Zwiebeln");
    EXPECT_STREQ(some->toString().chars(), "Zwiebeln (12,5 g)");
    EXPECT_STREQ(tenth->toString().chars(), "Zwiebeln (0,1 g)");
}

TEST_F(IngredientTest, EverythingBelowVariableSharesShowsSoWhateverItsWeight) {
    store(IngredientRow(5016, "Gemüsemischung"));
    store(IngredientRow(5001, "Gemüsebrühe"));
    store(IngredientRow(1011, "Karotten"));
    Held<Ingredient> mix(readIngredient(5016, 250.0, ownWeight | variableShares));
    Held<Ingredient> broth(readIngredient(5001, 50.0, ownWeight, mix.get()));
    Held<Ingredient> carrots(readIngredient(1011, 20.0, ownWeight, broth.get()));
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
    Held<Ingredient> peas(readIngredient(1));
    Held<Ingredient> sauce(readIngredient(2));
    Held<Ingredient> cheese(readIngredient(3));
    Held<Ingredient> water(readIngredient(4));
    EXPECT_STREQ(peas->getDativePhrase().chars(), " in den Erbsen");
    EXPECT_STREQ(sauce->getDativePhrase().chars(), " in der Rahmsauce");
    EXPECT_STREQ(cheese->getDativePhrase().chars(), " im Gouda");
    EXPECT_STREQ(water->getDativePhrase().chars(), " im Wasser");
}

TEST_F(IngredientTest, FlagIconNamesTheSetFlagsInOrder) {
    store(IngredientRow(1, "Senf").labelled());
    store(IngredientRow(2, "Reis"));
    Held<Ingredient> titleAndLabelled(readIngredient(1, 10.0, inTitle));
    Held<Ingredient> all(readIngredient(1, 10.0, inTitle | valueGiving));
    Held<Ingredient> valueOnly(readIngredient(2, 10.0, valueGiving));
    Held<Ingredient> none(readIngredient(2, 10.0));
    EXPECT_EQ(iconFile(*titleAndLabelled), "images/TK.bmp");
    EXPECT_EQ(iconFile(*all), "images/TWK.bmp");
    EXPECT_EQ(iconFile(*valueOnly), "images/W.bmp");
    EXPECT_EQ(iconFile(*none), "images/nothing.bmp");
}

TEST_F(IngredientTest, PortionIconByTheStartOfTheCode) {
    Ingredient item("Kartoffeln", 1026);
    EXPECT_EQ(portionIconFile(item), "images/noicon.bmp");
    item.setPortionValid(true);
    for (const auto& [code, file] :
         {std::pair<const char*, const char*>{"be", "images/DoseKleinBeilage.bmp"},
          {"he", "images/DoseKleinHauptessen.bmp"},
          {"gemischt", "images/DoseKleinGemuese.bmp"},
          {"xx", "images/noicon.bmp"}}) {
        item.setPortion(code);
        EXPECT_EQ(portionIconFile(item), file) << code;
    }
}

TEST_F(IngredientTest, NewIngredientHasNoTextsNoWeightAndOwnWeightSet) {
    Ingredient item("<Neue Zutat>", 42);
    EXPECT_STREQ(item.getName().chars(), "<Neue Zutat>");
    EXPECT_EQ(item.getId(), 42);
    EXPECT_STREQ(item.getVerkehrsbezeichnung().chars(), "");
    EXPECT_STREQ(item.getPortion().chars(), "");
    EXPECT_STREQ(item.getIngrClass().chars(), "");
    EXPECT_DOUBLE_EQ(item.getAmount(), 0.0);
    EXPECT_DOUBLE_EQ(item.getFleischanteil(), 0.0);
    EXPECT_TRUE(item.isMengeAngeben());
    EXPECT_FALSE(item.isImTitel() || item.isWertgebend() || item.isKennzPflichtig() ||
                 item.isFemale() || item.isPlural() || item.isPortionValid() ||
                 item.isIngrClassValid() || item.isFleischanteilAngeben() ||
                 item.isMengeAufMenueBeziehen() || item.isVeraenderlicheAnteile());
    EXPECT_EQ(item.getParent(), nullptr);
    EXPECT_DOUBLE_EQ(item.getWorkingWeight(), 0.0);
    EXPECT_STREQ(item.getDativPlural().chars(), "<Neue Zutat>");
}

TEST_F(IngredientTest, CopyFillsInTheFallbacksAndStartsWithEmptyLists) {
    store(IngredientRow(5016, "Gemüsemischung"));
    store(IngredientRow(1012, "Brokkoli"));
    Held<Ingredient> mix(readIngredient(5016, 250.0, ownWeight | variableShares));
    Held<Ingredient> original(readIngredient(1012, 75.0, ownWeight | valueGiving, mix.get()));
    original->setWorkingWeight(80.0);
    original->setVerkehrsbezeichnung("");
    original->setDativPlural("");
    original->getComponents().addElement(new Ingredient("Bestandteil", 1));

    Held<Ingredient> copy(new Ingredient(*original));
    EXPECT_STREQ(copy->getVerkehrsbezeichnung().chars(), "Brokkoli");
    EXPECT_STREQ(copy->getString(Ingredient::dativPluralKey).chars(), "Brokkoli");
    EXPECT_TRUE(copy->isVeraenderlicheAnteile());
    EXPECT_EQ(copy->getParent(), mix.get());
    EXPECT_DOUBLE_EQ(copy->getWorkingWeight(), 80.0);
    EXPECT_DOUBLE_EQ(copy->getAmount(), 75.0);
    EXPECT_TRUE(copy->isWertgebend());
    EXPECT_TRUE(copy->getComponents().isEmpty());

    // The copy's values are its own.
    copy->setAmount(10.0);
    EXPECT_DOUBLE_EQ(original->getAmount(), 75.0);
    Held<JovObject> cloned(original->clone());
    EXPECT_STREQ(cloned->toString().chars(), "Brokkoli (veränderl.)");
}

class IngredientRowsTest : public CompositionTest {
protected:
    static int rowsWhere(const char* condition) {
        return rowCount(JovString("SELECT * FROM Zutaten WHERE ") + condition + ";");
    }
};

TEST_F(IngredientRowsTest, InsertWritesNullForTextsEqualToTheirFallback) {
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
    // Read back, the NULL sales name is empty and the dative plural falls back to the name.
    Held<Ingredient> read(readIngredient(17));
    EXPECT_STREQ(read->getVerkehrsbezeichnung().chars(), "");
    EXPECT_STREQ(read->getDativPlural().chars(), "Zwiebeln");
}

TEST_F(IngredientRowsTest, InsertWritesEveryChosenText) {
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
    EXPECT_EQ(textsOf("SELECT * FROM Zutaten WHERE ID = 1037;", "Verkehrsbezeichnung"),
              "Gouda, gerieben");
    EXPECT_EQ(rowsWhere("ID = 1037 AND Name = 'Reibekäse' AND DativPlural = 'Gouda' AND "
                        "Portion = 'be' AND Klasse = 'Farbstoff' AND kennzPflichtig = 1 AND "
                        "Fleischanteil = 0.3 AND fleischanteilAngeben = 1"),
              1);
}

TEST_F(IngredientRowsTest, EmptySalesNameIsStoredAsEmptyTextNotNull) {
    Ingredient salt("Speisesalz", 1041);
    salt.setDativPlural("Speisesalz");
    salt.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 1041 AND Verkehrsbezeichnung = '' AND DativPlural = 'Speisesalz'"),
              1);
    // Only when the name is empty too does the empty sales name become NULL.
    Ingredient nameless("", 1042);
    nameless.insert(connection);
    EXPECT_EQ(rowsWhere("ID = 1042 AND Verkehrsbezeichnung IS NULL AND DativPlural IS NULL"), 1);
}

TEST_F(IngredientRowsTest, UpdateRewritesTextsWithTheSameNullRules) {
    store(IngredientRow(17, "Zwiebeln")
              .salesName("Zwiebeln, rot")
              .portion("ge")
              .additiveClass("Konservierungsstoff"));
    Held<Ingredient> onions(readIngredient(17));
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

TEST_F(IngredientRowsTest, TextsWithApostrophesAreStoredAsTyped) {
    Ingredient salad("Oma's Kartoffelsalat", 77);
    salad.setVerkehrsbezeichnung("Kartoffelsalat nach Oma's Art");
    salad.insert(connection);
    Held<Ingredient> read(readIngredient(77));
    EXPECT_STREQ(read->getName().chars(), "Oma's Kartoffelsalat");
    EXPECT_STREQ(read->getLabelName().chars(), "Kartoffelsalat nach Oma's Art");
    read->setName("Opa's Kartoffelsalat");
    read->update(connection);
    EXPECT_EQ(textsOf("SELECT * FROM Zutaten WHERE ID = 77;", "Name"), "Opa's Kartoffelsalat");
}

TEST_F(IngredientRowsTest, RemoveDeletesTheOwnCompositionButNotUsesElsewhere) {
    store(IngredientRow(5003, "Rahmsauce"));
    storeShare(5003, 1033, 0.5);
    storeShare(5003, 1018, 0.5);
    storeShare(5004, 5003, 0.3);
    storeFill(101, 5003, 100);
    Held<Ingredient> sauce(readIngredient(5003));
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
    EXPECT_FALSE(Ingredient::exists("1020", connection));
    EXPECT_FALSE(Ingredient::exists("", connection));
    EXPECT_FALSE(Ingredient::exists("1019 OR 1=1", connection));
    EXPECT_FALSE(Ingredient::exists("12a", connection));
}
