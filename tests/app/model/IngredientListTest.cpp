// The label texts composed from a menu's composition, through the real database chain: the
// worked example of the label rules, merging, class groups, percentage declarations, title order,
// number formats, meat content, and the designation stored with the menu.
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"

#include <gtest/gtest.h>

// Every case but the worked example and the reserved menu builds menu 1.
class IngredientListTest : public CompositionTest {
protected:
    void SetUp() override {
        CompositionTest::SetUp();
        storeMenu(1, "Teller");
    }

    // The menu of the labelling rules' worked example: 400 g of chicken breast, rice and a
    // labelled cream sauce with declared mushrooms.
    static void storeWorkedExample(bool sauceLabelled) {
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
        storeShares(5003, {{1033, 0.5}, {1040, 0.1}});
        storeShare(5003, 1018, 0.4, ownWeight | valueGiving);
    }

    // A sauce of 200 g and a stew, each with bacon declared at the given flags.
    static void storeBaconInTwoDishes(int stewGrams, double stewPotatoes, double stewBacon,
                                      int baconFlags) {
        store(IngredientRow(30, "Soße").female());
        storePlain(
            {{31, "Eintopf"}, {1008, "Schinkenspeck"}, {1033, "Sahne"}, {1026, "Kartoffeln"}});
        storeFills(1, {{30, 200}, {31, stewGrams}});
        storeShares(30, {{1033, 0.85}});
        storeShare(30, 1008, 0.15, baconFlags);
        storeShares(31, {{1026, stewPotatoes}});
        storeShare(31, 1008, stewBacon, baconFlags);
    }

    MealComposer& compose(int menuId = 1) {
        MealComposer& loaded = load(menuId);
        loaded.compose();
        return loaded;
    }

    static std::string list(const MealComposer& composer) {
        return composer.getIngredientList().chars();
    }
};

TEST_F(IngredientListTest, WorkedExampleReadsAsTheLabelRulesShowItAndAgainWhenRecomposed) {
    storeWorkedExample(true);
    MealComposer& texts = compose(101);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first composition" : "composed again");
        EXPECT_STREQ(texts.getTitleWithQuid().chars(), "Hähnchenbrust_(40%), Reis");
        EXPECT_STREQ(texts.getMenuDesignation().chars(), "Hähnchenbrust, Reis");
        EXPECT_EQ(list(texts), "Hähnchenbrust, Reis, Rahmsauce (Sahne, Champignons (40% in der "
                               "Rahmsauce), Wasser)");
        EXPECT_STREQ(texts.getFillQuantityText().chars(), "400 g");
        EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
        EXPECT_STREQ(texts.getSweetenerNote().chars(), "");
        EXPECT_EQ(texts.getTitleItems().size(), 2);
        texts.compose();
    }
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

TEST_F(IngredientListTest, AdditivesStandUnderTheirClassWithBracketsOnlyForSeveral) {
    store(IngredientRow(1, "Milchpudding"));
    store(IngredientRow(3004, "Guarkernmehl").additiveClass("Verdickungsmittel").labelled());
    store(IngredientRow(3005, "Johannisbrotkernmehl").additiveClass("Verdickungsmittel"));
    store(IngredientRow(3001, "Natriumbenzoat").additiveClass("Konservierungsstoff"));
    storeFills(1, {{1, 200}, {3004, 3}, {3005, 2}, {3001, 1}});
    EXPECT_EQ(list(compose()), "Milchpudding, Verdickungsmittel (Guarkernmehl, "
                               "Johannisbrotkernmehl), Konservierungsstoff Natriumbenzoat");
}

TEST_F(IngredientListTest, SugarIsNeverGroupedAndSweetenerAnywhereSetsTheNote) {
    store(IngredientRow(5012, "Rote Grütze").female().labelled());
    store(IngredientRow(1030, "Sauerkirschen"));
    store(IngredientRow(3013, "Sucralose").additiveClass("Süßstoff"));
    store(IngredientRow(3018, "Zucker").additiveClass("Zucker"));
    store(IngredientRow(3019, "Traubenzucker").salesName("Dextrose").additiveClass("Zucker"));
    storeFills(1, {{5012, 100}, {3018, 10}, {3019, 5}});
    storeShares(5012, {{1030, 0.9}, {3013, 0.004}});
    const MealComposer& texts = compose();
    EXPECT_EQ(list(texts), "Rote Grütze (Sauerkirschen, Süßstoff Sucralose), Zucker, Dextrose");
    EXPECT_STREQ(texts.getSweetenerNote().chars(), "Mit Süßungsmittel");
}

TEST_F(IngredientListTest, RepeatedIngredientIsOneEntryPlacedByItsSumWithMergedComponents) {
    store(IngredientRow(30, "Soße").female().labelled());
    storePlain({{31, "Sahne"}, {32, "Wasser"}, {11, "Erbsen"}, {12, "Reis"}});
    storeFills(1, {{30, 60}, {11, 50}, {12, 80}, {30, 40}, {11, 40}});
    storeShares(30, {{31, 0.7}, {32, 0.3}});
    // Soße 100 g and Erbsen 90 g overtake Reis 80 g.
    EXPECT_EQ(list(compose()), "Soße (Sahne, Wasser), Erbsen, Reis");
}

TEST_F(IngredientListTest, EntriesWithTheSameLabelNameMerge) {
    store(IngredientRow(1040, "Wasser"));
    for (int id : {1041, 1042, 1043}) {
        store(IngredientRow(id, ("Salz " + std::to_string(id)).c_str()).salesName("Salz"));
    }
    storeFills(1, {{1040, 12}, {1041, 5}, {1042, 5}, {1043, 5}});
    EXPECT_EQ(list(compose()), "Salz, Wasser");
}

TEST_F(IngredientListTest, MergedEntriesJoinTheirComponentsAndMergeThemToo) {
    store(IngredientRow(40, "Brühe").female().labelled());
    store(IngredientRow(41, "Gemüsebrühe").salesName("Brühe").female().labelled());
    store(IngredientRow(1042, "Trinkwasser").salesName("Wasser"));
    storePlain({{1040, "Wasser"}, {1041, "Salz"}, {1011, "Karotten"}});
    storeFills(1, {{40, 30}, {41, 20}});
    storeShares(40, {{1040, 0.9}, {1041, 0.1}});
    storeShares(41, {{1042, 0.8}, {1011, 0.2}});
    // Wasser 27 + 16 g; Karotten 4 g move before Salz 3 g.
    EXPECT_EQ(list(compose()), "Brühe (Wasser, Karotten, Salz)");
}

TEST_F(IngredientListTest, EqualWeightsKeepTheOrderTheyCameIn) {
    storePlain({{30, "Soße"}, {31, "Sahne"}, {32, "Wasser"}, {33, "Mehl"}, {12, "Erbsen"}});
    storeFills(1, {{30, 100}, {12, 50}});
    storeShares(30, {{31, 0.5}, {32, 0.3}, {33, 0.2}});
    EXPECT_EQ(list(compose()), "Sahne, Erbsen, Wasser, Mehl");
}

TEST_F(IngredientListTest, MenuRelatedPercentagesOfOneIngredientAreSummed) {
    storeBaconInTwoDishes(200, 0.85, 0.15, ownWeight | valueGiving | ofWholeMenu);
    EXPECT_EQ(list(compose()), "Sahne, Kartoffeln, Schinkenspeck (15%)");
}

TEST_F(IngredientListTest, PercentagesRelateToTheParentWithItsDativePhrase) {
    storeBaconInTwoDishes(100, 0.7, 0.3, ownWeight | valueGiving);
    EXPECT_EQ(list(compose()),
              "Sahne, Kartoffeln, Schinkenspeck (15% in der Soße, 30% im Eintopf)");
}

TEST_F(IngredientListTest, WholeOfItsParentIsDeclaredAgainstTheMenu) {
    store(IngredientRow(20, "Teig"));
    store(IngredientRow(21, "Füllung").female().labelled());
    store(IngredientRow(1030, "Sauerkirschen").plural());
    storeFills(1, {{20, 320}, {21, 80}});
    storeShare(21, 1030, 1.0, ownWeight | valueGiving);
    EXPECT_EQ(list(compose()), "Teig, Füllung (Sauerkirschen (20%))");
}

TEST_F(IngredientListTest, PercentagesUseTwoSignificantDigitsAndADecimalComma) {
    storePlain({{11, "Kartoffeln"}, {12, "Speck"}, {13, "Zimt"}});
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
    store(IngredientRow(5016, "Gemüsemischung").female().labelled());
    store(IngredientRow(5011, "Kräuterbutter").female().labelled());
    storePlain({{1012, "Brokkoli"}, {1035, "Butter"}, {1025, "Petersilie"}});
    storeFill(1, 5016, 250, ownWeight | variableShares);
    storeShares(5016, {{1012, 0.6}, {5011, 0.4}});
    storeShares(5011, {{1035, 0.9}, {1025, 0.1}});
    EXPECT_EQ(list(compose()),
              "Gemüsemischung (Brokkoli, Kräuterbutter (Butter, Petersilie in veränderlichen "
              "Gewichtsanteilen) in veränderlichen Gewichtsanteilen)");
}

TEST_F(IngredientListTest, TitleNamesMainDishVegetablesSideDishThenTheRest) {
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
    store(IngredientRow(1, "Erbsensuppe").female());
    storeFill(1, 1, 300, ownWeight | inTitle | valueGiving);
    EXPECT_STREQ(compose().getTitleWithQuid().chars(), "Erbsensuppe_(100%)");
}

TEST_F(IngredientListTest, MeatIsRoundedPerDeclaringOccurrenceAndNotLookedBelowIt) {
    store(IngredientRow(50, "Frikadelle").declaredMeat(0.5));
    store(IngredientRow(51, "Bulette").declaredMeat(0.5));
    store(IngredientRow(1003, "Rinderhackfleisch").declaredMeat(1.0));
    store(IngredientRow(1008, "Schinkenspeck").declaredMeat(0.9));
    storePlain({{30, "Soße"}, {1033, "Sahne"}});
    storeFills(1, {{50, 75}, {51, 75}, {30, 100}});
    storeShares(50, {{1003, 0.7}});
    storeShares(30, {{1008, 0.2}, {1033, 0.8}});
    const MealComposer& texts = compose();
    // 37.5 -> 37 twice, and the bacon's 18 g found inside the unflagged sauce.
    EXPECT_EQ(texts.getMeatContent(), 92);
    EXPECT_STREQ(texts.getMeatText().chars(), "92 g");
}

TEST_F(IngredientListTest, FillQuantityShowsADecimalComma) {
    storePlain({{11, "Reis"}, {12, "Erbsen"}});
    storeFill(1, 11, 10);
    MealComposer& texts = load(1);
    texts.addIngredient(texts.getRoot(), readIngredient(12, 2.5));
    texts.compose();
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "12,5 g");
}

TEST_F(IngredientListTest, MenuWithoutTitleItemsStoresAnEmptyDesignation) {
    ASSERT_GE(execute("UPDATE Menues SET Verkehrsbezeichnung='alt' WHERE ID = 1;"), 0);
    store(IngredientRow(11, "Reis"));
    storeFill(1, 11, 100);
    const MealComposer& texts = compose();
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 1 AND Verkehrsbezeichnung = '';"), 1);
}

TEST_F(IngredientListTest, DesignationWithApostropheIsStoredAsComposed) {
    store(IngredientRow(11, "Oma's Klöße").portion("be"));
    storeFill(1, 11, 100, ownWeight | inTitle);
    compose();
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"), "Oma's Klöße");
}

TEST_F(IngredientListTest, ReservedMenuIsComposedButItsRowIsLeftAlone) {
    storeMenu(Menu::reservedId, "Arbeitsbereich");
    store(IngredientRow(11, "Reis").portion("be"));
    storeFill(Menu::reservedId, 11, 100, ownWeight | inTitle);
    EXPECT_STREQ(compose(Menu::reservedId).getMenuDesignation().chars(), "Reis");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 0 AND Verkehrsbezeichnung IS NULL;"), 1);
}

TEST_F(IngredientListTest, NothingLoadedGivesEmptyTexts) {
    MealComposer texts(modelRoot, nullptr, this);
    texts.compose();
    EXPECT_STREQ(texts.getIngredientList().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "0 g");
}
