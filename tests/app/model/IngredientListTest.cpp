// The label texts composed from a menu's composition through the real database chain, and the
// designation stored with the menu.
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// A composition of menu 1 and its texts. A use reads "parent child amount flags": parent M is the
// menu (amount in grams, else a share), flags are letters of "MTWAV" as in shareRowsOf.
struct ListCase {
    const char* behaviour;
    std::vector<IngredientRow> items;
    std::string uses;
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

    static void storeComposition(const std::vector<IngredientRow>& items, const std::string& uses) {
        for (const IngredientRow& row : items) {
            store(row);
        }
        std::istringstream lines(uses);
        std::string use;
        while (std::getline(lines, use, ';')) {
            std::istringstream fields(use);
            std::string parent, flagLetters;
            int child = 0;
            double amount = 0.0;
            fields >> parent >> child >> amount >> flagLetters;
            int flags = 0;
            for (const char letter : flagLetters) {
                flags |= 1 << std::string("MTWAV").find(letter);
            }
            if (parent == "M") {
                storeFill(1, child, static_cast<int>(amount), flags);
            } else {
                storeShare(std::stoi(parent), child, amount, flags);
            }
        }
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

namespace {

IngredientRow item(int id, const char* name) {
    return IngredientRow(id, name);
}

// The labelling rules' worked example: 400 g of chicken breast, rice and a cream sauce with
// declared mushrooms.
std::vector<IngredientRow> workedExample(bool sauceLabelled) {
    IngredientRow sauce = item(5003, "Rahmsauce").female().dativePlural("Rahmsauce");
    return {item(1001, "Hähnchenbrust").portion("he"), item(1027, "Reis").portion("be"),
            sauceLabelled ? sauce.labelled() : sauce,  item(1033, "Sahne").female(),
            item(1018, "Champignons").plural(),        item(1040, "Wasser")};
}
constexpr const char* workedExampleUses = "M 1001 160 MTW; M 1027 140 MT; M 5003 100 M;"
                                          "5003 1033 .5 M; 5003 1040 .1 M; 5003 1018 .4 MW";

// A sauce of 200 g and a stew, each with bacon labelled Speck.
const std::vector<IngredientRow> baconInTwoDishes = {item(30, "Soße").female(),
                                                     item(31, "Eintopf"),
                                                     item(1033, "Sahne"),
                                                     item(1026, "Kartoffeln"),
                                                     item(1008, "Schinkenspeck").salesName("Speck"),
                                                     item(1009, "Bauchspeck").salesName("Speck")};
constexpr const char* sauceWithBacon = "M 30 200 M; M 31 100 M; 30 1033 .85 M; 31 1026 .7 M;";

// A salad of 100 g with two kinds of declared meat.
const std::vector<IngredientRow> salad = {item(40, "Salat").labelled(), item(1012, "Eisbergsalat"),
                                          item(1008, "Speck").declaredMeat(1.0),
                                          item(1010, "Schinken").declaredMeat(1.0)};

} // namespace

// Rows: behaviour; ingredients; uses; list, designation with percentages, meat text.
// clang-format off
std::vector<ListCase> IngredientListTest::cases() {
    return {
        {"UnlabelledSauceIsDissolvedIntoItsComponents", workedExample(false), workedExampleUses,
         "Hähnchenbrust, Reis, Sahne, Champignons (40% in der Rahmsauce), Wasser",
         "Hähnchenbrust_(40%), Reis", "Fleischlos"},
        {"AdditivesStandUnderTheirClassWithBracketsOnlyForSeveral",
         {item(1, "Milchpudding"), item(3004, "Guarkernmehl").additiveClass("Verdickungsmittel"),
          item(3005, "Johannisbrotkernmehl").additiveClass("Verdickungsmittel"),
          item(3001, "Natriumbenzoat").additiveClass("Konservierungsstoff")},
         "M 1 200 M; M 3004 3 M; M 3005 2 M; M 3001 1 M",
         "Milchpudding, Verdickungsmittel (Guarkernmehl, Johannisbrotkernmehl), "
         "Konservierungsstoff Natriumbenzoat", "", "Fleischlos"},
        {"ClassGroupIsPlacedByTheMergedWeightOfItsMembers",
         {item(3004, "Guarkernmehl").additiveClass("Verdickungsmittel"), item(1, "Salz")},
         "M 1 5 M; M 3004 3 M; M 3004 3 M",
         "Verdickungsmittel Guarkernmehl, Salz", "", "Fleischlos"},
        {"RepeatedIngredientIsOneEntryPlacedByItsSumWithMergedComponents",
         {item(30, "Soße").female().labelled(), item(31, "Sahne"), item(32, "Wasser"),
          item(11, "Erbsen"), item(12, "Reis")},
         "M 30 60 M; M 11 50 M; M 12 80 M; M 30 40 M; M 11 40 M; 30 31 .7 M; 30 32 .3 M",
         "Soße (Sahne, Wasser), Erbsen, Reis", "", "Fleischlos"},
        {"EntriesWithTheSameLabelNameMerge",
         {item(1040, "Wasser"), item(1041, "Salz 1").salesName("Salz"),
          item(1042, "Salz 2").salesName("Salz"), item(1043, "Salz 3").salesName("Salz")},
         "M 1040 12 M; M 1041 5 M; M 1042 5 M; M 1043 5 M", "Salz, Wasser", "", "Fleischlos"},
        // Wasser 27 + 16 g; Karotten 4 g move before Salz 3 g.
        {"MergedEntriesJoinTheirComponentsAndMergeThemToo",
         {item(40, "Brühe").female().labelled(),
          item(41, "Gemüsebrühe").salesName("Brühe").female().labelled(),
          item(1042, "Trinkwasser").salesName("Wasser"), item(1040, "Wasser"), item(1041, "Salz"),
          item(1011, "Karotten")},
         "M 40 30 M; M 41 20 M; 40 1040 .9 M; 40 1041 .1 M; 41 1042 .8 M; 41 1011 .2 M",
         "Brühe (Wasser, Karotten, Salz)", "", "Fleischlos"},
        // Reis reaches the 70 g of Erbsen and goes after it; its next 5 g move it before Erbsen.
        {"RepeatedIngredientIsFoundAmongEqualWeightsAndMovedByItsSum",
         {item(9, "Wasser"), item(1, "Reis"), item(2, "Erbsen"), item(3, "Salz")},
         "M 9 80 M; M 1 50 M; M 2 45 M; M 3 30 M; M 2 25 M; M 1 20 M; M 1 5 M",
         "Wasser, Reis, Erbsen, Salz", "", "Fleischlos"},
        {"NamesakesApartMergeAndMoveBeforeTheFirstLighterEntry",
         {item(1, "Wasser"), item(2, "Meersalz").salesName("Salz"), item(3, "Mehl"),
          item(4, "Steinsalz").salesName("Salz"), item(5, "Hefe")},
         "M 1 40 M; M 2 30 M; M 3 25 M; M 4 20 M; M 5 10 M", "Salz, Wasser, Mehl, Hefe", "",
         "Fleischlos"},
        {"EqualWeightsKeepTheOrderTheyCameIn",
         {item(30, "Soße"), item(31, "Sahne"), item(32, "Wasser"), item(33, "Mehl"),
          item(12, "Erbsen")},
         "M 30 100 M; M 12 50 M; 30 31 .5 M; 30 32 .3 M; 30 33 .2 M",
         "Sahne, Erbsen, Wasser, Mehl", "", "Fleischlos"},
        {"MenuRelatedPercentagesOfOneIngredientAreSummed", baconInTwoDishes,
         "M 30 200 M; M 31 200 M; 30 1033 .85 M; 31 1026 .85 M; 30 1008 .15 MWA; 31 1008 .15 MWA",
         "Sahne, Kartoffeln, Speck (15%)", "", "Fleischlos"},
        {"PercentagesRelateToTheParentWithItsDativePhrase", baconInTwoDishes,
         std::string(sauceWithBacon) + "30 1008 .15 MW; 31 1008 .3 MW",
         "Sahne, Kartoffeln, Speck (15% in der Soße, 30% im Eintopf)", "", "Fleischlos"},
        {"IngredientsMergedByLabelNameKeepEachPercentage", baconInTwoDishes,
         std::string(sauceWithBacon) + "30 1008 .15 MW; 31 1009 .3 MW",
         "Sahne, Kartoffeln, Speck (15% in der Soße, 30% im Eintopf)", "", "Fleischlos"},
        {"OneValueGivingAmongNamesakesDeclaresOnePercentage", baconInTwoDishes,
         std::string(sauceWithBacon) + "30 1008 .15 MW; 31 1009 .3 M",
         "Sahne, Kartoffeln, Speck (15% in der Soße)", "", "Fleischlos"},
        {"WholeOfItsParentIsDeclaredAgainstTheMenu",
         {item(20, "Teig"), item(21, "Füllung").female().labelled(),
          item(1030, "Sauerkirschen").plural()},
         "M 20 320 M; M 21 80 M; 21 1030 1 MW",
         "Teig, Füllung (Sauerkirschen (20%))", "", "Fleischlos"},
        // Beta-Carotin stands in its class group, which has no weight of its own: the menu counts.
        {"PercentagesUseTwoSignificantDigitsAndADecimalComma",
         {item(11, "Kartoffeln"), item(12, "Speck"), item(13, "Zimt"),
          item(14, "Beta-Carotin").additiveClass("Farbstoff")},
         "M 11 367 M; M 12 30 MW; M 13 1 MW; M 14 2 MW",
         "Kartoffeln, Speck (7,5%), Farbstoff Beta-Carotin (0,5%), Zimt (0,25%)", "",
         "Fleischlos"},
        {"PercentageJustBelowHundredIsWrittenWithoutExponent",
         {item(11, "Speck"), item(12, "Salz")},
         "M 11 997 MW; M 12 3 M", "Speck (100%), Salz", "", "Fleischlos"},
        {"PercentageBelowNinetyNineAndAHalfKeepsTwoDigits",
         {item(11, "Speck"), item(12, "Salz")},
         "M 11 994 MW; M 12 6 M", "Speck (99%), Salz", "", "Fleischlos"},
        {"TitlePercentageJustBelowHundredIsWrittenWithoutExponent",
         {item(11, "Gulasch"), item(12, "Salz")},
         "M 11 997 MTW; M 12 3 M", "Gulasch, Salz", "Gulasch_(100%)", "Fleischlos"},
        {"VariableSharesAreNamedAtEveryDepthBelowTheFlag",
         {item(5016, "Gemüsemischung").female().labelled(),
          item(5011, "Kräuterbutter").female().labelled(), item(1012, "Brokkoli"),
          item(1035, "Butter"), item(1025, "Petersilie")},
         "M 5016 250 MV; 5016 1012 .6 M; 5016 5011 .4 M; 5011 1035 .9 M; 5011 1025 .1 M",
         "Gemüsemischung (Brokkoli, Kräuterbutter (Butter, Petersilie in veränderlichen "
         "Gewichtsanteilen) in veränderlichen Gewichtsanteilen)", "", "Fleischlos"},
        // Title items declare their percentage in the title only.
        {"TitleNamesMainDishVegetablesSideDishThenTheRest",
         {item(1, "Bratensoße"), item(2, "Langkornreis").salesName("Reis").portion("be"),
          item(3, "Erbsen").portion("ge"), item(4, "Schweineschnitzel").portion("he"),
          item(5, "Beilagensalat").portion("xx")},
         "M 1 200 MT; M 2 150 MT; M 3 100 MTW; M 4 30 MTW; M 5 20 MT",
         "Bratensoße, Reis, Erbsen, Schweineschnitzel, Beilagensalat",
         "Schweineschnitzel_(6%), Erbsen_(20%), Reis, Bratensoße", "Fleischlos"},
        // Wildreis, not part of the title, does not count although it is labelled Reis.
        {"TitleNamesEachLabelNameOnceWithThePercentageOfAll",
         {item(1, "Bratensoße"), item(2, "Langkornreis").salesName("Reis").portion("be"),
          item(3, "Reis").portion("be"), item(4, "Wildreis").salesName("Reis").portion("xx")},
         "M 1 200 MT; M 2 150 MT; M 3 40 MTW; M 4 10 MT", "Bratensoße, Reis",
         "Reis_(48%), Bratensoße", "Fleischlos"},
        {"TitleItemOfTheWholeMenuIsDeclaredAsHundredPercent", {item(1, "Erbsensuppe").female()},
         "M 1 300 MTW", "Erbsensuppe", "Erbsensuppe_(100%)", "Fleischlos"},
        // 37.5 g, not looking below the meatball, and the bacon's 18 g inside the sauce.
        {"MeatIsDeclaredAtTheFlaggedOccurrenceAndRoundedOnceHalfDown",
         {item(50, "Frikadelle").declaredMeat(0.5),
          item(1003, "Rinderhackfleisch").declaredMeat(1.0),
          item(1008, "Schinkenspeck").declaredMeat(0.9), item(30, "Soße"), item(1033, "Sahne"),
          item(1034, "Semmelbrösel")},
         "M 50 75 M; M 30 100 M; 50 1003 .7 M; 50 1034 .3 M; 30 1008 .2 M; 30 1033 .8 M",
         "Sahne, Rinderhackfleisch, Semmelbrösel, Schinkenspeck", "", "55 g"},
        {"MeatPiecesRoundingToNothingAddUpBeforeRounding", salad,
         "M 40 100 M; 40 1012 .9 M; 40 1008 .0045 M; 40 1010 .004 M",
         "Salat (Eisbergsalat, Speck, Schinken)", "", "1 g"},
        {"MeatBelowHalfAGramIsStillDeclared", salad, "M 40 100 M; 40 1012 .9 M; 40 1008 .003 M",
         "Salat (Eisbergsalat, Speck)", "", "< 1 g"},
    };
}
// clang-format on

TEST_P(IngredientListTest, ComposesTheTextsOfTheComposition) {
    storeComposition(GetParam().items, GetParam().uses);
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
    storeComposition(workedExample(true), workedExampleUses);
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
    EXPECT_STREQ(texts.getMenu()->getLabelName().chars(), "Hähnchenbrust, Reis");
    EXPECT_DOUBLE_EQ(texts.getMenu()->getAmount(), 400.0);
}

TEST_F(ComposedTextsTest, SugarIsNeverGroupedAndSweetenerAnywhereSetsTheNote) {
    storeComposition({item(5012, "Rote Grütze").female().labelled(), item(1030, "Sauerkirschen"),
                      item(3013, "Sucralose").additiveClass("Süßstoff"),
                      item(3018, "Zucker").additiveClass("Zucker"),
                      item(3019, "Traubenzucker").salesName("Dextrose").additiveClass("Zucker")},
                     "M 5012 100 M; M 3018 10 M; M 3019 5 M; 5012 1030 .9 M; 5012 3013 .004 M");
    const MealComposer& texts = compose();
    EXPECT_EQ(list(texts), "Rote Grütze (Sauerkirschen, Süßstoff Sucralose), Zucker, Dextrose");
    EXPECT_STREQ(texts.getSweetenerNote().chars(), "Mit Süßungsmittel");
}

// The designation replaces what the row held; a title name stands in it once, an apostrophe is
// stored as typed.
TEST_F(ComposedTextsTest, DesignationIsStoredInTheMenuRowAsComposed) {
    const struct {
        std::vector<IngredientRow> items;
        const char* uses;
        const char* stored;
    } cases[] = {
        {{item(2, "Langkornreis").salesName("Reis").portion("be"), item(3, "Reis").portion("be")},
         "M 2 150 MT; M 3 50 MT",
         "Reis"},
        {{item(11, "Oma's Klöße").portion("be")}, "M 11 100 MT", "Oma's Klöße"},
        {{item(11, "Reis")}, "M 11 100 M", ""},
    };
    for (const auto& [items, uses, stored] : cases) {
        SCOPED_TRACE(uses);
        clearTables();
        storeMenu(1, "Teller");
        ASSERT_GE(execute("UPDATE Menues SET Verkehrsbezeichnung='alt' WHERE ID = 1;"), 0);
        storeComposition(items, uses);
        EXPECT_STREQ(compose().getMenuDesignation().chars(), stored);
        EXPECT_EQ(textsOf("SELECT * FROM Menues WHERE ID = 1;", "Verkehrsbezeichnung"), stored);
    }
}

TEST_F(ComposedTextsTest, FillQuantityShowsADecimalComma) {
    storePlain({{11, "Reis"}, {12, "Erbsen"}});
    storeFill(1, 11, 10);
    MealComposer& texts = load(1);
    texts.addIngredient(texts.getRoot(), readIngredient(12, 2.5));
    texts.compose();
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "12,5 g");
}

TEST_F(ComposedTextsTest, RefusedDesignationIsReportedAfterTheTextsAreComposed) {
    store(IngredientRow(11, "Reis").portion("be"));
    storeFill(1, 11, 100, ownWeight | inTitle);
    MealComposer& texts = load(1);
    ASSERT_GE(execute("PRAGMA query_only = ON;"), 0);
    const std::string refusal = refusalOf([&] { texts.compose(); });
    execute("PRAGMA query_only = OFF;");
    EXPECT_NE(refusal.find('['), std::string::npos) << refusal;
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
    MealComposer texts(modelRoot.get(), nullptr, this);
    texts.compose();
    EXPECT_STREQ(texts.getIngredientList().chars(), "");
    EXPECT_STREQ(texts.getTitleWithQuid().chars(), "");
    EXPECT_STREQ(texts.getMeatText().chars(), "Fleischlos");
    EXPECT_STREQ(texts.getFillQuantityText().chars(), "0 g");
}
