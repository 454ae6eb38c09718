// The rows of one load: each is read from the database once and then kept, also when it is
// missing.
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
