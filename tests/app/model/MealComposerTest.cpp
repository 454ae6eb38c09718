// The composition tree of a menu through the real database chain: loading at every depth,
// adding and removing occurrences, weights, and the rows written by saving.
#include "app/model/MealComposer.h"
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/Menu.h"
#include "awt/JovDefaultMutableTreeNode.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

class MealComposerTest : public CompositionTest {
protected:
    // Menu 101 of 200 g of a composed ingredient in two halves, one of them composed again.
    static void storeNestedMenu() {
        storeMenu(101, "Hähnchen in Rahmsauce");
        store(IngredientRow(5003, "Rahmsauce").female().labelled());
        store(IngredientRow(5001, "Gemüsebrühe").female());
        store(IngredientRow(1033, "Sahne").female());
        store(IngredientRow(1040, "Trinkwasser").salesName("Wasser"));
        store(IngredientRow(1023, "Suppengemüse"));
        storeFill(101, 5003, 200, ownWeight | inTitle);
        storeShare(5003, 1033, 0.6, ownWeight | valueGiving);
        storeShares(5003, {{5001, 0.4}});
        storeShares(5001, {{1040, 0.9}});
        storeShare(5001, 1023, 0.1, ownWeight | ofWholeMenu);
    }

    // Menu 1 with the sauce 30 made of 31 and 32 at the given fill quantity and shares.
    static void storeSauceMenu(int grams, double first, double second) {
        storeMenu(1, "Teller");
        storePlain({{30, "Soße"}, {31, "Sahne"}, {32, "Wasser"}});
        storeFills(1, {{30, grams}});
        storeShares(30, {{31, first}, {32, second}});
    }
};

TEST_F(MealComposerTest, MenuNodeBecomesTheLastChildOfTheModelRootAndEveryNodeIsAnnounced) {
    storeNestedMenu();
    modelRoot->add(new JovDefaultMutableTreeNode(new JovString("anderer Eintrag")));
    MealComposer composer(modelRoot.get(), this, this);
    composer.loadMenu(101);
    ASSERT_NE(composer.getRoot(), nullptr);
    EXPECT_EQ(modelRoot->getChildCount(), 2);
    EXPECT_EQ(modelRoot->getChildAt(1), composer.getRoot());
    EXPECT_STREQ(composer.getMenuName().chars(), "Hähnchen in Rahmsauce");
    EXPECT_EQ(composer.getMenu()->getId(), 101);
    // Each node is announced once it stands in the tree, the menu first.
    const Rows expected = {"+1 Hähnchen in Rahmsauce", "+0 Rahmsauce",   "+0 Sahne",
                           "+1 Gemüsebrühe",           "+0 Trinkwasser", "+1 Suppengemüse"};
    EXPECT_EQ(notifications, expected);
    modelRoot->removeAllChildren();
}

TEST_F(MealComposerTest, SharesBecomeAbsoluteAmountsAtEveryDepthUnderTheirParents) {
    storeNestedMenu();
    load(101);
    EXPECT_EQ(childrenOf(composer->getRoot()), "Rahmsauce 200");
    EXPECT_EQ(childrenOf(nodeAt({0})), "Sahne 120; Gemüsebrühe 80");
    EXPECT_EQ(childrenOf(nodeAt({0, 1})), "Trinkwasser 72; Suppengemüse 8");
    Ingredient* sauce = occurrenceAt({0});
    Ingredient* vegetables = occurrenceAt({0, 1, 1});
    ASSERT_TRUE(sauce && vegetables);
    EXPECT_EQ(sauce->getParent(), composer->getMenu());
    EXPECT_EQ(occurrenceAt({0, 0})->getParent(), sauce);
    EXPECT_EQ(vegetables->getParent(), occurrenceAt({0, 1}));
    EXPECT_TRUE(sauce->isImTitel() && sauce->isKennzPflichtig());
    EXPECT_TRUE(occurrenceAt({0, 0})->isWertgebend());
    EXPECT_TRUE(vegetables->isMengeAufMenueBeziehen());
}

TEST_F(MealComposerTest, ChildrenStandInDescendingAmount) {
    storeMenu(1, "Teller");
    storePlain({{11, "Zutat 11"}, {12, "Zutat 12"}, {13, "Zutat 13"}, {14, "Zutat 14"}});
    storeFills(1, {{11, 20}, {12, 150}, {13, 80}, {14, 10}});
    storeShares(13, {{11, 0.1}, {12, 0.6}, {14, 0.3}});
    load(1);
    EXPECT_EQ(childrenOf(composer->getRoot()),
              "Zutat 12 150; Zutat 13 80; Zutat 11 20; Zutat 14 10");
    EXPECT_EQ(childrenOf(nodeAt({1})), "Zutat 12 48; Zutat 14 24; Zutat 11 8");
}

TEST_F(MealComposerTest, UnknownMenuAndUnknownIngredientsAreSkipped) {
    storeMenu(1, "Teller");
    store(IngredientRow(11, "Reis"));
    storeFills(1, {{11, 100}, {99, 50}});
    storeShares(11, {{98, 0.5}});
    load(1);
    EXPECT_EQ(childrenOf(composer->getRoot()), "Reis 100");
    EXPECT_TRUE(nodeAt({0})->isLeaf());

    load(2);
    EXPECT_EQ(composer->getRoot(), nullptr);
    EXPECT_EQ(composer->getMenu(), nullptr);
    EXPECT_TRUE(notifications.empty());
    EXPECT_EQ(modelRoot->getChildCount(), 0);
}

TEST_F(MealComposerTest, CompositionStoredAsContainingItselfStillLoadsAndSaves) {
    storeMenu(1, "Teller");
    storePlain({{21, "Teig"}, {22, "Füllung"}, {23, "Mehl"}});
    storeFills(1, {{21, 100}});
    storeShares(21, {{22, 0.6}, {23, 0.4}});
    storeShares(22, {{21, 0.5}, {22, 0.2}, {23, 0.3}});
    load(1);
    EXPECT_EQ(childrenOf(nodeAt({0})), "Füllung 60; Mehl 40");
    // Teig and Füllung stand above, so only Mehl stays below Füllung.
    EXPECT_EQ(childrenOf(nodeAt({0, 0})), "Mehl 18");

    // Saving follows the loaded tree, so it ends as well.
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(shareRowsOf(22), Rows({"23 0.300000 M"}));
    EXPECT_EQ(shareRowsOf(21), Rows({"22 0.600000 M", "23 0.400000 M"}));
}

// Menu 1 with children of 80, 50 and 20 g.
class AddIngredientTest : public MealComposerTest {
protected:
    void SetUp() override {
        MealComposerTest::SetUp();
        storeMenu(1, "Teller");
        storePlain({{11, "Zutat 11"}, {12, "Zutat 12"}, {13, "Zutat 13"}, {14, "Zutat 14"}});
        storeFills(1, {{11, 80}, {12, 50}, {13, 20}});
        load(1);
        notifications.clear();
    }
};

TEST_F(AddIngredientTest, NewOccurrenceGoesAfterEqualAndBeforeLighterChildren) {
    JovReference<Ingredient> added(readIngredient(14, 50.0, ownWeight | valueGiving));
    EXPECT_TRUE(composer->addIngredient(composer->getRoot(), added.get()));
    EXPECT_EQ(childrenOf(composer->getRoot()),
              "Zutat 11 80; Zutat 12 50; Zutat 14 50; Zutat 13 20");
    EXPECT_EQ(added->getParent(), composer->getMenu());
    EXPECT_EQ(notifications, Rows({"+2 Zutat 14"}));
}

TEST_F(AddIngredientTest, StoredComponentsLoadWithTheNewAmountAsFactor) {
    store(IngredientRow(30, "Soße"));
    storeShares(30, {{12, 0.75}, {13, 0.25}});
    EXPECT_TRUE(composer->addIngredient(composer->getRoot(), readIngredient(30, 40.0)));
    EXPECT_EQ(childrenOf(nodeAt({2})), "Zutat 12 30; Zutat 13 10");
    EXPECT_EQ(notifications, Rows({"+2 Soße", "+0 Zutat 12", "+1 Zutat 13"}));
}

TEST_F(AddIngredientTest, ExistingChildUnknownRowAndOwnAncestorsAreRefused) {
    // The fixture's live-object check also proves that refused fresh occurrences are deleted.
    EXPECT_FALSE(composer->addIngredient(composer->getRoot(), readIngredient(12, 999.0)));
    EXPECT_FALSE(composer->addIngredient(composer->getRoot(), new Ingredient("Unbekannt", 99)));
    EXPECT_FALSE(composer->addIngredient(nodeAt({0}), readIngredient(11, 5.0)));
    EXPECT_TRUE(composer->addIngredient(nodeAt({0}), readIngredient(14, 5.0)));
    EXPECT_FALSE(composer->addIngredient(nodeAt({0, 0}), readIngredient(11, 1.0)));
    EXPECT_FALSE(composer->addIngredient(nullptr, readIngredient(14, 1.0)));
    EXPECT_EQ(childrenOf(composer->getRoot()), "Zutat 11 80; Zutat 12 50; Zutat 13 20");
    EXPECT_EQ(notifications, Rows({"+0 Zutat 14"}));
}

TEST_F(AddIngredientTest, RemoveTakesOnlyTheFirstChildOfThatIngredient) {
    storeFill(1, 12, 10);
    load(1);
    notifications.clear();
    EXPECT_TRUE(composer->removeIngredient(composer->getRoot(), 12));
    EXPECT_EQ(childrenOf(composer->getRoot()), "Zutat 11 80; Zutat 13 20; Zutat 12 10");
    EXPECT_EQ(notifications, Rows({"-1 Zutat 12"}));
    EXPECT_FALSE(composer->removeIngredient(composer->getRoot(), 14));
    EXPECT_FALSE(composer->removeIngredient(nullptr, 12));
    // Nothing is written until the structure is saved.
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Eltern = 1 AND Kind = 12;"), 2);
}

using SaveStructureTest = MealComposerTest;

TEST_F(SaveStructureTest, OccurrenceWithoutOwnWeightIsSavedWithItsComponentsWeight) {
    storeMenu(1, "Teller");
    storePlain({{30, "Soße"}, {31, "Brühe"}, {32, "Wasser"}, {33, "Salz"}});
    storeFill(1, 30, 100, 0);
    storeShare(30, 31, 0.3, 0);
    storeShares(30, {{33, 0.1}});
    storeShares(31, {{32, 0.5}});
    load(1);
    // Brühe: 30 g of its own, not given, so its only component's 15 g count; a leaf weighs its
    // amount whatever the flag.
    EXPECT_DOUBLE_EQ(MealComposer::weightOf(nodeAt({0, 0})), 15.0);
    EXPECT_DOUBLE_EQ(MealComposer::weightOf(nodeAt({0, 1})), 10.0);
    EXPECT_DOUBLE_EQ(MealComposer::weightOf(nodeAt({0})), 25.0);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(1), Rows({"30 25 "}));
    EXPECT_EQ(shareRowsOf(30), Rows({"31 0.600000 ", "33 0.400000 M"}));
    EXPECT_EQ(shareRowsOf(31), Rows({"32 1.000000 M"}));

    occurrenceAt({0})->setMengeAngeben(true);
    EXPECT_DOUBLE_EQ(MealComposer::weightOf(nodeAt({0})), 100.0);
}

TEST_F(SaveStructureTest, FillQuantitiesRoundAnExactHalfDown) {
    storeMenu(1, "Teller");
    storePlain({{11, "Reis"}, {12, "Erbsen"}});
    load(1);
    composer->addIngredient(composer->getRoot(), readIngredient(11, 12.5, ownWeight | inTitle));
    composer->addIngredient(composer->getRoot(),
                            readIngredient(12, 12.51, ownWeight | valueGiving));
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(1), Rows({"11 12 MT", "12 13 MW"}));
}

TEST_F(SaveStructureTest, SavedRowsLoadBackIntoTheSameTree) {
    storeNestedMenu();
    storeShares(5003, {{1040, 0.25}});
    load(101);
    occurrenceAt({0, 0})->setImTitel(true);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(101), Rows({"5003 200 MT"}));
    EXPECT_EQ(shareRowsOf(5003), Rows({"1033 0.600000 MTW", "1040 0.250000 M", "5001 0.400000 M"}));
    EXPECT_EQ(shareRowsOf(5001), Rows({"1023 0.100000 MA", "1040 0.900000 M"}));
    const std::string tree = childrenOf(nodeAt({0})) + " / " + childrenOf(nodeAt({0, 1}));
    load(101);
    EXPECT_EQ(childrenOf(nodeAt({0})) + " / " + childrenOf(nodeAt({0, 1})), tree);
    EXPECT_TRUE(occurrenceAt({0, 0})->isImTitel());
}

TEST_F(SaveStructureTest, VariableSharesAreWrittenIntoEveryRowBelow) {
    storeMenu(110, "Gemüsepfanne");
    storePlain(
        {{5016, "Gemüsemischung"}, {5001, "Gemüsebrühe"}, {1012, "Brokkoli"}, {1040, "Wasser"}});
    storeFill(110, 5016, 250, ownWeight | variableShares);
    storeShares(5016, {{1012, 0.8}, {5001, 0.2}});
    storeShares(5001, {{1040, 1.0}});
    load(110);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(110), Rows({"5016 250 MV"}));
    EXPECT_EQ(shareRowsOf(5016), Rows({"1012 0.800000 MV", "5001 0.200000 MV"}));
    EXPECT_EQ(shareRowsOf(5001), Rows({"1040 1.000000 MV"}));
}

TEST_F(SaveStructureTest, LeafOccurrenceOfAComposedIngredientDeletesItsComposition) {
    storeMenu(1, "Teller");
    storePlain({{30, "Soße"}, {31, "Sahne"}});
    storeFills(1, {{31, 50}});
    storeShares(30, {{31, 1.0}});
    load(1);
    composer->addIngredient(composer->getRoot(), readIngredient(30, 20.0));
    composer->removeIngredient(nodeAt({1}), 31);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(shareRowsOf(30), Rows());
    EXPECT_EQ(fillRowsOf(1), Rows({"30 20 M", "31 50 M"}));
}

TEST_F(SaveStructureTest, WeightlessCompositionKeepsItsStoredShares) {
    storeSauceMenu(0, 0.7, 0.3);
    load(1);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(1), Rows({"30 0 M"}));
    EXPECT_EQ(shareRowsOf(30), Rows({"31 0.700000 M", "32 0.300000 M"}));
}

TEST_F(SaveStructureTest, ReservedMenuKeepsNoFillQuantitiesButSavesShares) {
    storeMenu(Menu::reservedId, "Arbeitsbereich");
    storePlain({{30, "Soße"}, {31, "Sahne"}, {32, "Wasser"}});
    storeFills(Menu::reservedId, {{30, 100}});
    storeShares(30, {{31, 0.5}, {32, 0.5}});
    load(Menu::reservedId);
    composer->removeIngredient(nodeAt({0}), 32);
    composer->saveStructure(*composer->getMenu());
    EXPECT_EQ(fillRowsOf(Menu::reservedId), Rows());
    EXPECT_EQ(shareRowsOf(30), Rows({"31 0.500000 M"}));
}

TEST_F(SaveStructureTest, SaveAsWritesUnderTheNewIdAndDeletesNothing) {
    storeNestedMenu();
    storeFill(120, 1033, 5);
    load(101);
    composer->saveStructureAs(120);
    EXPECT_EQ(fillRowsOf(101), Rows({"5003 200 MT"}));
    EXPECT_EQ(fillRowsOf(120), Rows({"1033 5 M", "5003 200 MT"}));
    EXPECT_EQ(shareRowsOf(5003), Rows({"1033 0.600000 MW", "5001 0.400000 M"}));
}

TEST_F(SaveStructureTest, SavingWithoutALoadedMenuOnlyClearsItsRows) {
    storeFill(7, 11, 30);
    MealComposer empty(modelRoot.get(), this, this);
    empty.saveStructure(Menu("Teller", 7));
    empty.saveStructureAs(8);
    EXPECT_EQ(fillRowsOf(7), Rows());
    EXPECT_EQ(fillRowsOf(8), Rows());
}

TEST_F(SaveStructureTest, ComposedIngredientUsedTwiceIsSavedFromTheEditedOccurrence) {
    // Two dishes of 100 g, each with the sauce 30 (cream 31); pepper 34 goes under one of them.
    for (const auto& [edited, pepperShare] : {std::pair{0, "0.100000"}, {1, "0.125000"}}) {
        SCOPED_TRACE(edited);
        clearTables();
        storeMenu(1, "Teller");
        storePlain({{40, "Reisgericht"},
                    {41, "Nudelgericht"},
                    {30, "Soße"},
                    {31, "Sahne"},
                    {34, "Pfeffer"},
                    {35, "Reis"},
                    {36, "Nudeln"}});
        storeFills(1, {{40, 100}, {41, 100}});
        storeShares(40, {{30, 0.5}, {35, 0.5}});
        storeShares(41, {{36, 0.6}, {30, 0.4}});
        storeShares(30, {{31, 1.0}});
        load(1);
        JovDefaultMutableTreeNode* sauce = nodeAt({edited, edited == 0 ? 0 : 1});
        ASSERT_STREQ(occurrenceAt({edited, edited == 0 ? 0 : 1})->getName().chars(), "Soße");
        ASSERT_TRUE(composer->addIngredient(sauce, readIngredient(34, 5.0)));
        composer->saveStructure(*composer->getMenu());
        EXPECT_EQ(shareRowsOf(30),
                  Rows({"31 1.000000 M", std::string("34 ") + pepperShare + " M"}));
    }
}

TEST_F(SaveStructureTest, RefusedRowLeavesTheWholeStoredStructureAsItWas) {
    storeSauceMenu(100, 0.7, 0.3);
    load(1);
    occurrenceAt({0})->setAmount(120.0);
    ASSERT_GE(execute("CREATE TEMP TRIGGER refuseWater BEFORE INSERT ON Anteile WHEN NEW.Kind = 32 "
                      "BEGIN SELECT RAISE(ABORT, 'Wasser gesperrt'); END;"),
              0);
    for (const bool saveAs : {false, true}) {
        const std::string refusal = refusalOf([&] {
            saveAs ? composer->saveStructureAs(2) : composer->saveStructure(*composer->getMenu());
        });
        EXPECT_NE(refusal.find("Wasser gesperrt"), std::string::npos) << refusal;
    }
    execute("DROP TRIGGER refuseWater;");
    EXPECT_EQ(fillRowsOf(1), Rows({"30 100 M"}));
    EXPECT_EQ(fillRowsOf(2), Rows());
    EXPECT_EQ(shareRowsOf(30), Rows({"31 0.700000 M", "32 0.300000 M"}));
}

// A chain of 64 levels loads; deeper ones, and expansions no label needs, are refused at once with
// a message naming the menu, leaving nothing in the tree.
TEST_F(MealComposerTest, RunawayCompositionIsRefusedQuicklyAndLeavesNothingLoaded) {
    const std::string chain =
        "INSERT INTO Anteile (Eltern,Kind,Anteil,mengeAngeben) WITH "
        "RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < ";
    const struct {
        std::string rows;
        bool loads;
    } compositions[] = {
        {chain + "64) SELECT i, i + 1, 1.0, 1 FROM n;", true},
        {chain + "3001) SELECT i, i + 1, 1.0, 1 FROM n;", false},
        // 21 levels of two ingredients, each containing both of the next level: 2^22 occurrences.
        {chain + "21) SELECT 2 * i + p - 2, 2 * i + c, 0.5, 1 FROM n, (SELECT 0 AS p UNION SELECT "
                 "1), (SELECT 0 AS c UNION SELECT 1);",
         false},
    };
    for (const auto& [rows, loads] : compositions) {
        SCOPED_TRACE(rows);
        clearTables();
        storeMenu(1, "Schichtsalat");
        ASSERT_GE(
            execute("INSERT INTO Zutaten (ID,Name) WITH RECURSIVE n(i) AS (SELECT 2 UNION "
                    "ALL SELECT i + 1 FROM n WHERE i < 3002) SELECT i, 'Stufe ' || i FROM n;"),
            0);
        ASSERT_GE(execute(rows.c_str()), 0);
        storeFills(1, {{2, 100}, {3, 100}});
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(refusalOf([&] { load(1); }),
                  loads ? notRefused
                        : "Die Zusammensetzung des Menüs 'Schichtsalat' (Art.-Nr.: 1) ist zu tief "
                          "verschachtelt oder zu umfangreich.\nDas Menü wird nicht geladen.");
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
        EXPECT_EQ(modelRoot->getChildCount(), loads ? 1 : 0);
    }
}
