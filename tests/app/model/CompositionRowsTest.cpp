// The rows of one load: each is read from the database once and then kept, also when it is
// missing, in the order the loader needs.
#include "app/model/CompositionRows.h"
#include "CompositionTest.h"
#include "app/model/Ingredient.h"

#include <gtest/gtest.h>

using CompositionRowsTest = CompositionTest;

TEST_F(CompositionRowsTest, IngredientIsReadOnceAndKeptForTheLoadAlsoWhenMissing) {
    store(IngredientRow(11, "Reis").portion("be"));
    CompositionRows rows(connection);
    const Ingredient* rice = rows.ingredient(11);
    ASSERT_NE(rice, nullptr);
    EXPECT_STREQ(rice->getName().chars(), "Reis");
    EXPECT_STREQ(rice->getPortion().chars(), "be");
    EXPECT_EQ(rice->getParent(), nullptr);
    EXPECT_EQ(rows.ingredient(12), nullptr);

    ASSERT_GE(execute("DELETE * FROM Zutaten WHERE ID = 11;"), 0);
    storePlain({{12, "Erbsen"}});
    EXPECT_EQ(rows.ingredient(11), rice);
    EXPECT_EQ(rows.ingredient(12), nullptr);
    EXPECT_NE(CompositionRows(connection).ingredient(12), nullptr);
}

TEST_F(CompositionRowsTest, SharesAndFillQuantitiesComeLargestFirstAndAreKept) {
    storeShares(30, {{31, 0.2}, {32, 0.5}, {33, 0.3}});
    storeShare(30, 34, 0.1, ownWeight | valueGiving | ofWholeMenu);
    storeFills(1, {{31, 20}, {32, 200}});
    CompositionRows rows(connection);
    const CompositionRows::ShareRows& shares = rows.shares(30);
    ASSERT_EQ(shares.size(), 4u);
    const int expectedKinds[] = {32, 33, 31, 34};
    for (std::size_t i = 0; i < shares.size(); ++i) {
        EXPECT_TRUE(shares[i].hasKind);
        EXPECT_EQ(shares[i].kind, expectedKinds[i]);
    }
    EXPECT_DOUBLE_EQ(shares[0].share, 0.5);
    EXPECT_TRUE(shares[3].wertgebend && shares[3].mengeAufMenueBeziehen);
    EXPECT_FALSE(shares[3].imTitel || shares[3].veraenderlicheAnteile);
    ASSERT_EQ(rows.fillQuantities(1).size(), 2u);
    EXPECT_EQ(rows.fillQuantities(1)[0].fillQuantity, 200);

    ASSERT_GE(execute("DELETE * FROM Anteile;"), 0);
    EXPECT_EQ(&rows.shares(30), &shares);
    EXPECT_EQ(rows.shares(30).size(), 4u);
}

// 2^32 + 1 would otherwise read as ingredient 1.
TEST_F(CompositionRowsTest, KindBeyondThirtyTwoBitsHasNoKind) {
    ASSERT_GE(execute("INSERT INTO Anteile (Eltern,Kind,Anteil) VALUES (30,4294967297,1.0);"), 0);
    CompositionRows rows(connection);
    ASSERT_EQ(rows.shares(30).size(), 1u);
    EXPECT_FALSE(rows.shares(30)[0].hasKind);
}
