// The rows of one load: each is read from the database once and then kept, also when it is
// missing.
#include "app/model/CompositionRows.h"
#include "CompositionTest.h"
#include "app/model/Ingredient.h"
#include "app/model/Menu.h"

#include <gtest/gtest.h>
#include <string>

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

namespace {

// "kind share fill" of each row, in the order given.
std::string kindsOf(const CompositionRows::ShareRows& rows) {
    std::string kinds;
    for (const CompositionRows::ShareRow& row : rows) {
        kinds += std::to_string(row.kind) + " " + std::to_string(row.share) + " " +
                 std::to_string(row.fillQuantity) + ";";
    }
    return kinds;
}

} // namespace

// A run over all menus reads the tables whole: every answer, the order of equal shares included,
// is the look-up's, and nothing is asked again afterwards.
TEST_F(CompositionRowsTest, ReadingAllTablesAnswersAsTheLookUpsAndAsksNoMore) {
    storePlain({{1, "Erbsen"}, {2, "Speck"}, {3, "Zwiebeln"}, {5, "Eintopf"}});
    storeShares(5, {{3, 0.2}, {1, 0.4}, {2, 0.2}});
    storeShares(6, {{1, 1.0}});
    storeFills(9, {{2, 100}, {5, 300}, {1, 100}});
    storeMenu(9, "Erbseneintopf");
    CompositionRows lookUps(connection);
    CompositionRows all(connection);
    all.readAll();
    for (const int id : {1, 2, 3, 5, 6, 9}) {
        SCOPED_TRACE(id);
        const Ingredient* expected = lookUps.ingredient(id);
        const Ingredient* read = all.ingredient(id);
        ASSERT_EQ(read == nullptr, expected == nullptr);
        if (read != nullptr) {
            EXPECT_EQ(read->getName(), expected->getName());
        }
        EXPECT_EQ(all.menu(id) == nullptr, lookUps.menu(id) == nullptr);
        EXPECT_EQ(kindsOf(all.shares(id)), kindsOf(lookUps.shares(id)));
        EXPECT_EQ(kindsOf(all.fillQuantities(id)), kindsOf(lookUps.fillQuantities(id)));
    }
    EXPECT_EQ(kindsOf(all.shares(5)).substr(0, 2), "1 ");

    EXPECT_EQ(all.menu(9)->getName(), lookUps.menu(9)->getName());
    for (const char* table : {"Menues", "Zutaten", "Anteile", "Mengen"}) {
        ASSERT_GE(execute(JovString("DELETE * FROM ") + table + ";"), 0);
    }
    storePlain({{4, "Lauch"}});
    EXPECT_NE(all.ingredient(1), nullptr);
    EXPECT_NE(all.menu(9), nullptr);
    EXPECT_EQ(all.shares(5).size(), 3u);
    EXPECT_EQ(all.ingredient(4), nullptr);
}
