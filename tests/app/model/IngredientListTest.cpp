// The label texts composed from a menu's composition, through the real database chain: one table
// of compositions with the texts they must give (merging, class groups, percentage declarations,
// title order, number formats, meat content), then the designation stored with the menu.
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"
#include "lang/JovException.h"

#include <gtest/gtest.h>

// A composition of menu 1 and the texts it must give.
struct ListCase {
    const char* behaviour;
    void (*store)();
    const char* list;
    const char* titleWithQuid;
    const char* meatText;
};

// Every case builds menu 1.
class IngredientListTest : public CompositionTest, public testing::WithParamInterface<ListCase> {
public:
    static std::vector<ListCase> cases();

protected:
    void SetUp() override {
        CompositionTest::SetUp();
        storeMenu(1, "Teller");
    }

    // The labelling rules' worked example: 400 g of chicken breast, rice and a cream sauce with
    // declared mushrooms.
    static void storeWorkedExample(bool sauceLabelled) {
        store(IngredientRow(1001, "Hähnchenbrust").portion("he"));
        store(IngredientRow(1027, "Reis").portion("be"));
        IngredientRow sauce(5003, "Rahmsauce");
        sauce.female().dativePlural("Rahmsauce");
        store(sauceLabelled ? sauce.labelled() : sauce);
        store(IngredientRow(1033, "Sahne").female());
        store(IngredientRow(1018, "Champignons").plural());
        store(IngredientRow(1040, "Wasser"));
        storeFill(1, 1001, 160, ownWeight | inTitle | valueGiving);
        storeFill(1, 1027, 140, ownWeight | inTitle);
        storeFill(1, 5003, 100);
        storeShares(5003, {{1033, 0.5}, {1040, 0.1}});
        storeShare(5003, 1018, 0.4, ownWeight | valueGiving);
    }

    // A sauce of 200 g and a stew, each with bacon; the stew's bacon is stewBaconId.
    static void storeBaconInTwoDishes(int stewGrams, double stewPotatoes, double stewBacon,
                                      int baconFlags, int stewBaconId = 1008,
                                      int stewBaconFlags = -1) {
        store(IngredientRow(30, "Soße").female());
        storePlain({{31, "Eintopf"}, {1033, "Sahne"}, {1026, "Kartoffeln"}});
        store(IngredientRow(1008, "Schinkenspeck").salesName("Speck"));
        store(IngredientRow(1009, "Bauchspeck").salesName("Speck"));
        storeFills(1, {{30, 200}, {31, stewGrams}});
        storeShares(30, {{1033, 0.85}});
        storeShare(30, 1008, 0.15, baconFlags);
        storeShares(31, {{1026, stewPotatoes}});
        storeShare(31, stewBaconId, stewBacon, stewBaconFlags < 0 ? baconFlags : stewBaconFlags);
    }

    // A salad whose declared meat weighs the given grams in two pieces.
    static void storeSaladWithMeat(double bacon, double ham) {
        store(IngredientRow(40, "Salat").labelled());
        storePlain({{1012, "Eisbergsalat"}});
        store(IngredientRow(1008, "Speck").declaredMeat(1.0));
        store(IngredientRow(1010, "Schinken").declaredMeat(1.0));
        storeFills(1, {{40, 100}});
        storeShares(40, {{1012, 0.9}, {1008, bacon / 100}, {1010, ham / 100}});
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

std::vector<ListCase> IngredientListTest::cases() {
    return {
        {"UnlabelledSauceIsDissolvedIntoItsComponents", [] { storeWorkedExample(false); },
         "Hähnchenbrust, Reis, Sahne, Champignons (40% in der Rahmsauce), Wasser",
         "Hähnchenbrust_(40%), Reis", "Fleischlos"},
        {"AdditivesStandUnderTheirClassWithBracketsOnlyForSeveral",
         [] {
             store(IngredientRow(1, "Milchpudding"));
             store(IngredientRow(3004, "Guarkernmehl").additiveClass("Verdickungsmittel"));
             store(IngredientRow(3005, "Johannisbrotkernmehl").additiveClass("Verdickungsmittel"));
             store(IngredientRow(3001, "Natriumbenzoat").additiveClass("Konservierungsstoff"));
             storeFills(1, {{1, 200}, {3004, 3}, {3005, 2}, {3001, 1}});
         },
         "Milchpudding, Verdickungsmittel (Guarkernmehl, Johannisbrotkernmehl), "
         "Konservierungsstoff Natriumbenzoat",
         "", "Fleischlos"},
        {"ClassGroupIsPlacedByTheMergedWeightOfItsMembers",
         [] {
             store(IngredientRow(3004, "Guarkernmehl").additiveClass("Verdickungsmittel"));
             storePlain({{1, "Salz"}});
             storeFills(1, {{1, 5}, {3004, 3}, {3004, 3}});
         },
         "Verdickungsmittel Guarkernmehl, Salz", "", "Fleischlos"},
        {"RepeatedIngredientIsOneEntryPlacedByItsSumWithMergedComponents",
         [] {
             store(IngredientRow(30, "Soße").female().labelled());
             storePlain({{31, "Sahne"}, {32, "Wasser"}, {11, "Erbsen"}, {12, "Reis"}});
             storeFills(1, {{30, 60}, {11, 50}, {12, 80}, {30, 40}, {11, 40}});
             storeShares(30, {{31, 0.7}, {32, 0.3}});
         },
         "Soße (Sahne, Wasser), Erbsen, Reis", "", "Fleischlos"},
        {"EntriesWithTheSameLabelNameMerge",
         [] {
             store(IngredientRow(1040, "Wasser"));
             for (int id : {1041, 1042, 1043}) {
                 store(IngredientRow(id, ("Salz " + std::to_string(id)).c_str()).salesName("Salz"));
             }
             storeFills(1, {{1040, 12}, {1041, 5}, {1042, 5}, {1043, 5}});
         },
         "Salz, Wasser", "", "Fleischlos"},
        {"MergedEntriesJoinTheirComponentsAndMergeThemToo",
         [] {
             store(IngredientRow(40, "Brühe").female().labelled());
             store(IngredientRow(41, "Gemüsebrühe").salesName("Brühe").female().labelled());
             store(IngredientRow(1042, "Trinkwasser").salesName("Wasser"));
             storePlain({{1040, "Wasser"}, {1041, "Salz"}, {1011, "Karotten"}});
             storeFills(1, {{40, 30}, {41, 20}});
             storeShares(40, {{1040, 0.9}, {1041, 0.1}});
             storeShares(41, {{1042, 0.8}, {1011, 0.2}});
         },
         "Brühe (Wasser, Karotten, Salz)", "", "Fleischlos"},
        {"EqualWeightsKeepTheOrderTheyCameIn",
         [] {
             storePlain(
                 {{30, "Soße"}, {31, "Sahne"}, {32, "Wasser"}, {33, "Mehl"}, {12, "Erbsen"}});
             storeFills(1, {{30, 100}, {12, 50}});
             storeShares(30, {{31, 0.5}, {32, 0.3}, {33, 0.2}});
         },
         "Sahne, Erbsen, Wasser, Mehl", "", "Fleischlos"},
        {"MenuRelatedPercentagesOfOneIngredientAreSummed",
         [] { storeBaconInTwoDishes(200, 0.85, 0.15, ownWeight | valueGiving | ofWholeMenu); },
         "Sahne, Kartoffeln, Speck (15%)", "", "Fleischlos"},
        {"PercentagesRelateToTheParentWithItsDativePhrase",
         [] { storeBaconInTwoDishes(100, 0.7, 0.3, ownWeight | valueGiving); },
         "Sahne, Kartoffeln, Speck (15% in der Soße, 30% im Eintopf)", "", "Fleischlos"},
        {"IngredientsMergedByLabelNameKeepEachPercentage",
         [] { storeBaconInTwoDishes(100, 0.7, 0.3, ownWeight | valueGiving, 1009); },
         "Sahne, Kartoffeln, Speck (15% in der Soße, 30% im Eintopf)", "", "Fleischlos"},
        {"OneValueGivingAmongNamesakesDeclaresOnePercentage",
         [] { storeBaconInTwoDishes(100, 0.7, 0.3, ownWeight | valueGiving, 1009, ownWeight); },
         "Sahne, Kartoffeln, Speck (15% in der Soße)", "", "Fleischlos"},
        {"WholeOfItsParentIsDeclaredAgainstTheMenu",
         [] {
             store(IngredientRow(20, "Teig"));
             store(IngredientRow(21, "Füllung").female().labelled());
             store(IngredientRow(1030, "Sauerkirschen").plural());
             storeFills(1, {{20, 320}, {21, 80}});
             storeShare(21, 1030, 1.0, ownWeight | valueGiving);
         },
         "Teig, Füllung (Sauerkirschen (20%))", "", "Fleischlos"},
        {"PercentagesUseTwoSignificantDigitsAndADecimalComma",
         [] {
             storePlain({{11, "Kartoffeln"}, {12, "Speck"}, {13, "Zimt"}});
             store(IngredientRow(14, "Beta-Carotin").additiveClass("Farbstoff"));
             storeFill(1, 11, 367);
             storeFill(1, 12, 30, ownWeight | valueGiving);
             storeFill(1, 13, 1, ownWeight | valueGiving);
             storeFill(1, 14, 2, ownWeight | valueGiving);
         },
         // Beta-Carotin stands in its class group, which has no weight of its own: the menu counts.
         "Kartoffeln, Speck (7,5%), Farbstoff Beta-Carotin (0,5%), Zimt (0,25%)", "", "Fleischlos"},
        {"PercentageJustBelowHundredIsWrittenWithoutExponent",
         [] {
             storePlain({{11, "Speck"}, {12, "Salz"}});
             storeFill(1, 11, 997, ownWeight | valueGiving);
             storeFill(1, 12, 3);
         },
         "Speck (100%), Salz", "", "Fleischlos"},
        {"PercentageBelowNinetyNineAndAHalfKeepsTwoDigits",
         [] {
             storePlain({{11, "Speck"}, {12, "Salz"}});
             storeFill(1, 11, 994, ownWeight | valueGiving);
             storeFill(1, 12, 6);
         },
         "Speck (99%), Salz", "", "Fleischlos"},
        {"TitlePercentageJustBelowHundredIsWrittenWithoutExponent",
         [] {
             storePlain({{11, "Gulasch"}, {12, "Salz"}});
             storeFill(1, 11, 997, ownWeight | inTitle | valueGiving);
             storeFill(1, 12, 3);
         },
         "Gulasch, Salz", "Gulasch_(100%)", "Fleischlos"},
        {"VariableSharesAreNamedAtEveryDepthBelowTheFlag",
         [] {
             store(IngredientRow(5016, "Gemüsemischung").female().labelled());
             store(IngredientRow(5011, "Kräuterbutter").female().labelled());
             storePlain({{1012, "Brokkoli"}, {1035, "Butter"}, {1025, "Petersilie"}});
             storeFill(1, 5016, 250, ownWeight | variableShares);
             storeShares(5016, {{1012, 0.6}, {5011, 0.4}});
             storeShares(5011, {{1035, 0.9}, {1025, 0.1}});
         },
         "Gemüsemischung (Brokkoli, Kräuterbutter (Butter, Petersilie in veränderlichen "
         "Gewichtsanteilen) in veränderlichen Gewichtsanteilen)",
         "", "Fleischlos"},
        {"TitleNamesMainDishVegetablesSideDishThenTheRest",
         [] {
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
         },
         // Title items declare their percentage in the title only.
         "Bratensoße, Reis, Erbsen, Schweineschnitzel, Beilagensalat",
         "Schweineschnitzel_(6%), Erbsen_(20%), Reis, Bratensoße", "Fleischlos"},
        {"TitleNamesEachLabelNameOnceWithThePercentageOfAll",
         [] {
             store(IngredientRow(1, "Bratensoße"));
             store(IngredientRow(2, "Langkornreis").salesName("Reis").portion("be"));
             store(IngredientRow(3, "Reis").portion("be"));
             store(IngredientRow(4, "Wildreis").salesName("Reis").portion("xx"));
             storeFill(1, 1, 200, ownWeight | inTitle);
             storeFill(1, 2, 150, ownWeight | inTitle);
             storeFill(1, 3, 40, ownWeight | inTitle | valueGiving);
             // Not part of the title (no title portion kind), so its 10 g do not count.
             storeFill(1, 4, 10, ownWeight | inTitle);
         },
         "Bratensoße, Reis", "Reis_(48%), Bratensoße", "Fleischlos"},
        {"TitleItemOfTheWholeMenuIsDeclaredAsHundredPercent",
         [] {
             store(IngredientRow(1, "Erbsensuppe").female());
             storeFill(1, 1, 300, ownWeight | inTitle | valueGiving);
         },
         "Erbsensuppe", "Erbsensuppe_(100%)", "Fleischlos"},
        {"MeatIsDeclaredAtTheFlaggedOccurrenceAndRoundedOnceHalfDown",
         [] {
             store(IngredientRow(50, "Frikadelle").declaredMeat(0.5));
             store(IngredientRow(1003, "Rinderhackfleisch").declaredMeat(1.0));
             store(IngredientRow(1008, "Schinkenspeck").declaredMeat(0.9));
             storePlain({{30, "Soße"}, {1033, "Sahne"}, {1034, "Semmelbrösel"}});
             storeFills(1, {{50, 75}, {30, 100}});
             storeShares(50, {{1003, 0.7}, {1034, 0.3}});
             storeShares(30, {{1008, 0.2}, {1033, 0.8}});
         },
         // 37.5 g, not looking below the meatball, and the bacon's 18 g inside the sauce.
         "Sahne, Rinderhackfleisch, Semmelbrösel, Schinkenspeck", "", "55 g"},
        {"MeatPiecesRoundingToNothingAddUpBeforeRounding", [] { storeSaladWithMeat(0.45, 0.4); },
         "Salat (Eisbergsalat, Speck, Schinken)", "", "1 g"},
        {"MeatBelowHalfAGramIsStillDeclared", [] { storeSaladWithMeat(0.3, 0.0); },
         "Salat (Eisbergsalat, Speck, Schinken)", "", "< 1 g"},
    };
}

TEST_P(IngredientListTest, ComposesTheTextsOfTheComposition) {
    GetParam().store();
    const MealComposer& texts = compose();
    EXPECT_EQ(list(texts), GetParam().list);
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), GetParam().titleWithQuid);
    EXPECT_STREQ(texts.getMeatText().chars(), GetParam().meatText);
}

INSTANTIATE_TEST_SUITE_P(Compositions, IngredientListTest,
                         testing::ValuesIn(IngredientListTest::cases()),
                         [](const testing::TestParamInfo<ListCase>& info) {
                             return std::string(info.param.behaviour);
                         });

using ComposedTextsTest = IngredientListTest;

TEST_F(ComposedTextsTest, WorkedExampleReadsAsTheLabelRulesShowItAndAgainWhenRecomposed) {
    storeWorkedExample(true);
    MealComposer& texts = compose();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first composition" : "composed again");
        EXPECT_STREQ(texts.getTitleWithQuid().chars(), "Hähnchenbrust_(40%), Reis");
        EXPECT_EQ(list(texts), "Hähnchenbrust, Reis, Rahmsauce (Sahne, Champignons (40% in der "
                               "Rahmsauce), Wasser)");
        EXPECT_STREQ(texts.getFillQuantityText().chars(), "400 g");
        EXPECT_EQ(texts.getTitleItems().size(), 2);
        texts.compose();
    }
    // The designation is stored with the menu, in the row and in the loaded item.
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"),
              "Hähnchenbrust, Reis");
    EXPECT_STREQ(texts.getMenu()->getLabelName().chars(), "Hähnchenbrust, Reis");
    EXPECT_DOUBLE_EQ(texts.getMenu()->getAmount(), 400.0);
}

TEST_F(ComposedTextsTest, SugarIsNeverGroupedAndSweetenerAnywhereSetsTheNote) {
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

TEST_F(ComposedTextsTest, DesignationNamesARepeatedTitleNameOnceInTheMenuRow) {
    store(IngredientRow(2, "Langkornreis").salesName("Reis").portion("be"));
    store(IngredientRow(3, "Reis").portion("be"));
    storeFill(1, 2, 150, ownWeight | inTitle);
    storeFill(1, 3, 50, ownWeight | inTitle);
    EXPECT_STREQ(compose().getMenuDesignation().chars(), "Reis");
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"), "Reis");
}

TEST_F(ComposedTextsTest, FillQuantityShowsADecimalComma) {
    storePlain({{11, "Reis"}, {12, "Erbsen"}});
    storeFill(1, 11, 10);
    MealComposer& texts = load(1);
    texts.addIngredient(texts.getRoot(), readIngredient(12, 2.5));
    texts.compose();
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "12,5 g");
}

TEST_F(ComposedTextsTest, MenuWithoutTitleItemsStoresAnEmptyDesignation) {
    ASSERT_GE(execute("UPDATE Menues SET Verkehrsbezeichnung='alt' WHERE ID = 1;"), 0);
    store(IngredientRow(11, "Reis"));
    storeFill(1, 11, 100);
    const MealComposer& texts = compose();
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 1 AND Verkehrsbezeichnung = '';"), 1);
}

TEST_F(ComposedTextsTest, DesignationWithApostropheIsStoredAsComposed) {
    store(IngredientRow(11, "Oma's Klöße").portion("be"));
    storeFill(1, 11, 100, ownWeight | inTitle);
    compose();
    EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"), "Oma's Klöße");
}

TEST_F(ComposedTextsTest, RefusedDesignationIsReportedAfterTheTextsAreComposed) {
    store(IngredientRow(11, "Reis").portion("be"));
    storeFill(1, 11, 100, ownWeight | inTitle);
    MealComposer& texts = load(1);
    ASSERT_GE(execute("PRAGMA query_only = ON;"), 0);
    try {
        texts.compose();
        ADD_FAILURE() << "a refused designation must be reported";
    } catch (const JovException& refusal) {
        EXPECT_NE(refusal.getMessage().indexOf('['), -1) << refusal.getMessage().chars();
    }
    execute("PRAGMA query_only = OFF;");
    EXPECT_STREQ(texts.getMenuDesignation().chars(), "Reis");
    EXPECT_STREQ(texts.getIngredientList().chars(), "Reis");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 1 AND Verkehrsbezeichnung IS NULL;"), 1);
}

TEST_F(ComposedTextsTest, ReservedMenuIsComposedButItsRowIsLeftAlone) {
    storeMenu(Menu::reservedId, "Arbeitsbereich");
    store(IngredientRow(11, "Reis").portion("be"));
    storeFill(Menu::reservedId, 11, 100, ownWeight | inTitle);
    EXPECT_STREQ(compose(Menu::reservedId).getMenuDesignation().chars(), "Reis");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 0 AND Verkehrsbezeichnung IS NULL;"), 1);
}

TEST_F(ComposedTextsTest, NothingLoadedGivesEmptyTexts) {
    MealComposer texts(modelRoot, nullptr, this);
    texts.compose();
    EXPECT_STREQ(texts.getIngredientList().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "0 g");
}
