// The label texts composed from a menu's composition, through the real database chain: the
// worked example of the label rules, merging, class groups, percentage declarations, title order,
// number formats, meat content, and the designation stored with the menu.
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"

#include <gtest/gtest.h>

class IngredientListTest : public CompositionTest {
protected:
    // The menu of the labelling rules' worked example: 400 g of chicken breast, rice and a
    // labelled cream sauce with declared mushrooms.
    static void storeWorkedExample(bool sauceLabelled = true) {
        storeMenu(101, "Hähnchenbrust in Rahmsauce mit Reis");
        store(IngredientRow(1001, "Hähnchenbrust").portion("he"));
        store(IngredientRow(1027, "Reis").portion("be"));
        IngredientRow sauce(5003, "Rahmsauce");
        sauce.female().dativePlural("Rahmsauce");
        store(sauceLabelled ? sauce.labelled() : sauce);
        store(IngredientRow(1033, "Sahne").female());
        store(IngredientRow(1018, "Champignons").plural());
        store(IngredientRow(1040, "Wasser"));
        storeFill(101, 1001, 160, ownWeight | inTitle | valueGiving);
        storeFill(101, 1027, 140, ownWeight | inTitle);
        storeFill(101, 5003, 100);
        storeShare(5003, 1033, 0.5);
        storeShare(5003, 1018, 0.4, ownWeight | valueGiving);
        storeShare(5003, 1040, 0.1);
    }

    // Loads and composes menu 1, the menu the other cases build.
    MealComposer& compose(int menuId = 1) {
        MealComposer& loaded = load(menuId);
        loaded.compose();
        return loaded;
    }

    static std::string list(const MealComposer& composer) {
        return composer.getIngredientList().chars();
    }
};

TEST_F(IngredientListTest, WorkedExampleReadsAsTheLabelRulesShowIt) {
    storeWorkedExample();
    const MealComposer& texts = compose(101);
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "Hähnchenbrust_(40%), Reis");
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "Hähnchenbrust, Reis");
    EXPECT_EQ(list(texts),
              "Hähnchenbrust, Reis, Rahmsauce (Sahne, Champignons (40% in der Rahmsauce), Wasser)");
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "400 g");
    EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
    EXPECT_STREQ(texts.getSweetenerNote().chars(), "");
    EXPECT_EQ(texts.getTitleItems().size(), 2);
    EXPECT_DOUBLE_EQ(texts.getTotalWeight(), 400.0);
    // The designation is stored with the menu, in the row and in the loaded item.
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 101;", "Verkehrsbezeichnung"),
              "Hähnchenbrust, Reis");
    EXPECT_STREQ(texts.getMenu()->getLabelName().chars(), "Hähnchenbrust, Reis");
    EXPECT_DOUBLE_EQ(texts.getMenu()->getAmount(), 400.0);
}

TEST_F(IngredientListTest, UnlabelledSauceIsDissolvedIntoItsComponents) {
    storeWorkedExample(false);
    EXPECT_EQ(list(compose(101)),
              "Hähnchenbrust, Reis, Sahne, Champignons (40% in der Rahmsauce), Wasser");
}

TEST_F(IngredientListTest, ComposingAgainGivesTheSameTexts) {
    storeWorkedExample();
    MealComposer& texts = compose(101);
    const std::string first = list(texts) + "|" + texts.getTitleWithQuid().chars();
    texts.compose();
    EXPECT_EQ(list(texts) + "|" + texts.getTitleWithQuid().chars(), first);
    EXPECT_EQ(texts.getTitleItems().size(), 2);
}

TEST_F(IngredientListTest, AdditivesStandUnderTheirClassWithBracketsOnlyForSeveral) {
    storeMenu(1, "Pudding");
    store(IngredientRow(1, "Milchpudding"));
    store(IngredientRow(3004, "Guarkernmehl").additiveClass("Verdickungsmittel").labelled());
    store(IngredientRow(3005, "Johannisbrotkernmehl").additiveClass("Verdickungsmittel"));
    store(IngredientRow(3001, "Natriumbenzoat").additiveClass("Konservierungsstoff"));
    storeFill(1, 1, 200);
    storeFill(1, 3004, 3);
    storeFill(1, 3005, 2);
    storeFill(1, 3001, 1);
    EXPECT_EQ(list(compose()), "Milchpudding, Verdickungsmittel (Guarkernmehl, "
                               "Johannisbrotkernmehl), Konservierungsstoff Natriumbenzoat");
}

TEST_F(IngredientListTest, SugarIsNeverGroupedAndSweetenerAnywhereSetsTheNote) {
    storeMenu(1, "Rote Grütze");
    store(IngredientRow(5012, "Rote Grütze").female().labelled());
    store(IngredientRow(1030, "Sauerkirschen"));
    store(IngredientRow(3013, "Sucralose").additiveClass("Süßstoff"));
    store(IngredientRow(3018, "Zucker").additiveClass("Zucker"));
    store(IngredientRow(3019, "Traubenzucker").salesName("Dextrose").additiveClass("Zucker"));
    storeFill(1, 5012, 100);
    storeFill(1, 3018, 10);
    storeFill(1, 3019, 5);
    storeShare(5012, 1030, 0.9);
    storeShare(5012, 3013, 0.004);
    const MealComposer& texts = compose();
    EXPECT_EQ(list(texts), "Rote Grütze (Sauerkirschen, Süßstoff Sucralose), Zucker, Dextrose");
    EXPECT_STREQ(texts.getSweetenerNote().chars(), "Mit Süßungsmittel");
}

TEST_F(IngredientListTest, NoSweetenerNoNote) {
    storeMenu(1, "Kompott");
    store(IngredientRow(3018, "Zucker").additiveClass("Zucker"));
    storeFill(1, 3018, 10);
    EXPECT_STREQ(compose().getSweetenerNote().chars(), "");
}

TEST_F(IngredientListTest, SameIngredientTwiceAtOneLevelIsOneEntryPlacedByItsSum) {
    storeMenu(1, "Teller");
    store(IngredientRow(11, "Erbsen"));
    store(IngredientRow(12, "Reis"));
    storeFill(1, 11, 50);
    storeFill(1, 12, 60);
    storeFill(1, 11, 30);
    EXPECT_EQ(list(compose()), "Erbsen, Reis");
}

TEST_F(IngredientListTest, ComponentsOfASecondOccurrenceMergeWithTheFirst) {
    storeMenu(1, "Teller");
    store(IngredientRow(30, "Soße").female().labelled());
    store(IngredientRow(31, "Sahne"));
    store(IngredientRow(32, "Wasser"));
    store(IngredientRow(12, "Reis"));
    storeFill(1, 30, 60);
    storeFill(1, 12, 80);
    storeFill(1, 30, 40);
    storeShare(30, 31, 0.7);
    storeShare(30, 32, 0.3);
    EXPECT_EQ(list(compose()), "Soße (Sahne, Wasser), Reis");
}

TEST_F(IngredientListTest, EntriesWithTheSameLabelNameMerge) {
    storeMenu(1, "Brühe");
    store(IngredientRow(1040, "Wasser"));
    for (int id : {1041, 1042, 1043}) {
        store(IngredientRow(id, ("Salz " + std::to_string(id)).c_str()).salesName("Salz"));
    }
    storeFill(1, 1040, 12);
    storeFill(1, 1041, 5);
    storeFill(1, 1042, 5);
    storeFill(1, 1043, 5);
    EXPECT_EQ(list(compose()), "Salz, Wasser");
}

TEST_F(IngredientListTest, MergedEntriesJoinTheirComponentsAndMergeThemToo) {
    storeMenu(1, "Eintopf");
    store(IngredientRow(40, "Brühe").female().labelled());
    store(IngredientRow(41, "Gemüsebrühe").salesName("Brühe").female().labelled());
    store(IngredientRow(1040, "Wasser"));
    store(IngredientRow(1042, "Trinkwasser").salesName("Wasser"));
    store(IngredientRow(1041, "Salz"));
    store(IngredientRow(1011, "Karotten"));
    storeFill(1, 40, 30);
    storeFill(1, 41, 20);
    storeShare(40, 1040, 0.9);
    storeShare(40, 1041, 0.1);
    storeShare(41, 1042, 0.8);
    storeShare(41, 1011, 0.2);
    // Wasser 27 + 16 g; Karotten 4 g move before Salz 3 g.
    EXPECT_EQ(list(compose()), "Brühe (Wasser, Karotten, Salz)");
}

TEST_F(IngredientListTest, EqualWeightsKeepTheOrderTheyCameIn) {
    storeMenu(1, "Teller");
    store(IngredientRow(30, "Soße"));
    store(IngredientRow(31, "Sahne"));
    store(IngredientRow(32, "Wasser"));
    store(IngredientRow(33, "Mehl"));
    store(IngredientRow(12, "Erbsen"));
    storeFill(1, 30, 100);
    storeFill(1, 12, 50);
    storeShare(30, 31, 0.5);
    storeShare(30, 32, 0.3);
    storeShare(30, 33, 0.2);
    EXPECT_EQ(list(compose()), "Sahne, Erbsen, Wasser, Mehl");
}

TEST_F(IngredientListTest, MenuRelatedPercentagesOfOneIngredientAreSummed) {
    storeMenu(1, "Nudeln in zwei Soßen");
    store(IngredientRow(30, "Soße").female());
    store(IngredientRow(31, "Eintopf"));
    store(IngredientRow(1008, "Schinkenspeck"));
    store(IngredientRow(1033, "Sahne"));
    store(IngredientRow(1026, "Kartoffeln"));
    storeFill(1, 30, 200);
    storeFill(1, 31, 200);
    storeShare(30, 1033, 0.85);
    storeShare(30, 1008, 0.15, ownWeight | valueGiving | ofWholeMenu);
    storeShare(31, 1026, 0.85);
    storeShare(31, 1008, 0.15, ownWeight | valueGiving | ofWholeMenu);
    EXPECT_EQ(list(compose()), "Sahne, Kartoffeln, Schinkenspeck (15%)");
}

TEST_F(IngredientListTest, PercentagesRelateToTheParentWithItsDativePhrase) {
    storeMenu(1, "Nudeln in zwei Soßen");
    store(IngredientRow(30, "Soße").female());
    store(IngredientRow(31, "Eintopf"));
    store(IngredientRow(1008, "Schinkenspeck"));
    store(IngredientRow(1033, "Sahne"));
    store(IngredientRow(1026, "Kartoffeln"));
    storeFill(1, 30, 200);
    storeFill(1, 31, 100);
    storeShare(30, 1033, 0.85);
    storeShare(30, 1008, 0.15, ownWeight | valueGiving);
    storeShare(31, 1026, 0.7);
    storeShare(31, 1008, 0.3, ownWeight | valueGiving);
    EXPECT_EQ(list(compose()),
              "Sahne, Kartoffeln, Schinkenspeck (15% in der Soße, 30% im Eintopf)");
}

TEST_F(IngredientListTest, WholeOfItsParentIsDeclaredAgainstTheMenu) {
    storeMenu(1, "Kirschtasche");
    store(IngredientRow(20, "Teig"));
    store(IngredientRow(21, "Füllung").female().labelled());
    store(IngredientRow(1030, "Sauerkirschen").plural());
    storeFill(1, 20, 320);
    storeFill(1, 21, 80);
    storeShare(21, 1030, 1.0, ownWeight | valueGiving);
    EXPECT_EQ(list(compose()), "Teig, Füllung (Sauerkirschen (20%))");
}

TEST_F(IngredientListTest, PercentagesUseTwoSignificantDigitsAndADecimalComma) {
    storeMenu(1, "Teller");
    store(IngredientRow(11, "Kartoffeln"));
    store(IngredientRow(12, "Speck"));
    store(IngredientRow(13, "Zimt"));
    store(IngredientRow(14, "Beta-Carotin").additiveClass("Farbstoff"));
    storeFill(1, 11, 367);
    storeFill(1, 12, 30, ownWeight | valueGiving);
    storeFill(1, 13, 1, ownWeight | valueGiving);
    storeFill(1, 14, 2, ownWeight | valueGiving);
    // Beta-Carotin stands in its class group, which has no weight of its own: the menu counts.
    EXPECT_EQ(list(compose()),
              "Kartoffeln, Speck (7,5%), Farbstoff Beta-Carotin (0,5%), Zimt (0,25%)");
}

TEST_F(IngredientListTest, VariableSharesAreNamedAtEveryDepthBelowTheFlag) {
    storeMenu(1, "Gemüsepfanne");
    store(IngredientRow(5016, "Gemüsemischung").female().labelled());
    store(IngredientRow(5011, "Kräuterbutter").female().labelled());
    store(IngredientRow(1012, "Brokkoli"));
    store(IngredientRow(1035, "Butter"));
    store(IngredientRow(1025, "Petersilie"));
    storeFill(1, 5016, 250, ownWeight | variableShares);
    storeShare(5016, 1012, 0.6);
    storeShare(5016, 5011, 0.4);
    storeShare(5011, 1035, 0.9);
    storeShare(5011, 1025, 0.1);
    EXPECT_EQ(list(compose()),
              "Gemüsemischung (Brokkoli, Kräuterbutter (Butter, Petersilie in veränderlichen "
              "Gewichtsanteilen) in veränderlichen Gewichtsanteilen)");
}

TEST_F(IngredientListTest, TitleNamesMainDishVegetablesSideDishThenTheRest) {
    storeMenu(1, "Schnitzel");
    store(IngredientRow(1, "Bratensoße"));
    store(IngredientRow(2, "Langkornreis").salesName("Reis").portion("be"));
    store(IngredientRow(3, "Erbsen").portion("ge"));
    store(IngredientRow(4, "Schweineschnitzel").portion("he"));
    store(IngredientRow(5, "Beilagensalat").portion("xx"));
    storeFill(1, 1, 200, ownWeight | inTitle);
    storeFill(1, 2, 150, ownWeight | inTitle);
    storeFill(1, 3, 100, ownWeight | inTitle | valueGiving);
    storeFill(1, 4, 30, ownWeight | inTitle | valueGiving);
    storeFill(1, 5, 20, ownWeight | inTitle);
    const MealComposer& texts = compose();
    EXPECT_STREQ(texts.getTitleWithQuid().chars(),
                 "Schweineschnitzel_(6%), Erbsen_(20%), Reis, Bratensoße");
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "Schweineschnitzel, Erbsen, Reis, Bratensoße");
    // Title items declare their percentage in the title only.
    EXPECT_EQ(list(texts), "Bratensoße, Reis, Erbsen, Schweineschnitzel, Beilagensalat");
}

TEST_F(IngredientListTest, TitleItemOfTheWholeMenuIsDeclaredAsHundredPercent) {
    storeMenu(1, "Erbsensuppe");
    store(IngredientRow(1, "Erbsensuppe").female());
    storeFill(1, 1, 300, ownWeight | inTitle | valueGiving);
    EXPECT_STREQ(compose().getTitleWithQuid().chars(), "Erbsensuppe_(100%)");
}

TEST_F(IngredientListTest, MeatIsRoundedPerDeclaringOccurrenceAndNotLookedBelowIt) {
    storeMenu(1, "Frikadellen");
    store(IngredientRow(50, "Frikadelle").declaredMeat(0.5));
    store(IngredientRow(51, "Bulette").declaredMeat(0.5));
    store(IngredientRow(1003, "Rinderhackfleisch").declaredMeat(1.0));
    store(IngredientRow(30, "Soße"));
    store(IngredientRow(1008, "Schinkenspeck").declaredMeat(0.9));
    store(IngredientRow(1033, "Sahne"));
    storeFill(1, 50, 75);
    storeFill(1, 51, 75);
    storeFill(1, 30, 100);
    storeShare(50, 1003, 0.7);
    storeShare(30, 1008, 0.2);
    storeShare(30, 1033, 0.8);
    const MealComposer& texts = compose();
    // 37.5 -> 37 twice, and the bacon's 18 g found inside the unflagged sauce.
    EXPECT_EQ(texts.getMeatContent(), 92);
    EXPECT_STREQ(texts.getMeatText().chars(), "92 g");
}

TEST_F(IngredientListTest, FillQuantityShowsADecimalComma) {
    storeMenu(1, "Teller");
    store(IngredientRow(11, "Reis"));
    store(IngredientRow(12, "Erbsen"));
    storeFill(1, 11, 10);
    MealComposer& texts = load(1);
    texts.addIngredient(texts.getRoot(), readIngredient(12, 2.5));
    texts.compose();
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "12,5 g");
}

TEST_F(IngredientListTest, MenuWithoutTitleItemsStoresAnEmptyDesignation) {
    ASSERT_GE(
        execute("INSERT INTO Menues (ID,Name,Verkehrsbezeichnung) VALUES (1,'Teller','alt');"), 0);
    store(IngredientRow(11, "Reis"));
    storeFill(1, 11, 100);
    const MealComposer& texts = compose();
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 1 AND Verkehrsbezeichnung = '';"), 1);
}

TEST_F(IngredientListTest, DesignationWithApostropheIsStoredAsComposed) {
    storeMenu(1, "Klöße");
    store(IngredientRow(11, "Oma's Klöße").portion("be"));
    storeFill(1, 11, 100, ownWeight | inTitle);
    compose();
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"), "Oma's Klöße");
}

TEST_F(IngredientListTest, ReservedMenuIsComposedButItsRowIsLeftAlone) {
    storeMenu(Menu::reservedId, "Arbeitsbereich");
    store(IngredientRow(11, "Reis").portion("be"));
    storeFill(Menu::reservedId, 11, 100, ownWeight | inTitle);
    const MealComposer& texts = compose(Menu::reservedId);
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "Reis");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 0 AND Verkehrsbezeichnung IS NULL;"), 1);
}

TEST_F(IngredientListTest, NothingLoadedGivesEmptyTexts) {
    MealComposer texts(modelRoot, nullptr, this);
    texts.compose();
    EXPECT_STREQ(texts.getIngredientList().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "");
    EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "0 g");
}
