// The item base: typed access to the property table, the text of an unnamed item and the order
// of items by name.
#include "app/model/AbstractMeal.h"
#include "LiveObjectTest.h"
#include "lang/JovDouble.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

#include <gtest/gtest.h>

namespace {

class NamedMeal : public AbstractMeal {
public:
    explicit NamedMeal(const char* name) { put(nameKey, JovString(name)); }
};

} // namespace

using AbstractMealTest = LiveObjectTest;

TEST_F(AbstractMealTest, UpperCaseOrdersBeforeLowerCaseAndUmlautsAfterZ) {
    const NamedMeal upper("Apfel");
    const NamedMeal lower("apfel");
    const NamedMeal umlaut("Äpfel");
    const NamedMeal zucchini("Zucchini");
    EXPECT_EQ(upper.compareTo(lower), -1);
    EXPECT_EQ(lower.compareTo(upper), 1);
    EXPECT_EQ(upper.compareTo(NamedMeal("Apfel")), 0);
    EXPECT_EQ(umlaut.compareTo(zucchini), 1);
}

TEST_F(AbstractMealTest, PlaceholderNameOrdersFirstAgainstEveryItem) {
    const NamedMeal placeholder("<Neue Zutat>");
    EXPECT_EQ(placeholder.compareTo(NamedMeal("Aal")), -1);
    EXPECT_EQ(placeholder.compareTo(NamedMeal("<Neues Menü>")), -1);
    EXPECT_EQ(placeholder.compareTo(placeholder), -1);
    // "<" sorts before letters anyway; the other way round the order is the plain byte order.
    EXPECT_EQ(NamedMeal("Aal").compareTo(placeholder), 1);
}

TEST_F(AbstractMealTest, ComparingWithSomethingElseGivesZero) {
    const NamedMeal meal("Reis");
    EXPECT_EQ(meal.compareTo(JovString("Reis")), 0);
    EXPECT_EQ(meal.compareTo(JovDouble(1.0)), 0);
}

TEST_F(AbstractMealTest, UnnamedItemShowsItsClassName) {
    const AbstractMeal unnamed;
    EXPECT_STREQ(unnamed.toString().chars(), "tarvelund.Main.AbstractMeal");
    EXPECT_STREQ(NamedMeal("Reis").toString().chars(), "Reis");
}

TEST_F(AbstractMealTest, TypedValuesReadBackAndMissingKeysReadAsNothing) {
    AbstractMeal meal;
    meal.setId(1027);
    meal.putDouble("amount", 140.5);
    meal.putBoolean("imTitel", true);
    meal.putInt("count", 3);
    EXPECT_EQ(meal.getId(), 1027);
    EXPECT_DOUBLE_EQ(meal.getDouble("amount"), 140.5);
    EXPECT_TRUE(meal.getBoolean("imTitel"));
    EXPECT_STREQ(meal.getString("count").chars(), "3");
    EXPECT_STREQ(meal.getString("missing").chars(), "");
    EXPECT_DOUBLE_EQ(meal.getDouble("missing"), 0.0);
    EXPECT_FALSE(meal.getBoolean("missing"));
    // A value of another kind is not misread.
    EXPECT_DOUBLE_EQ(meal.getDouble("imTitel"), 0.0);
    EXPECT_FALSE(meal.getBoolean("amount"));
    EXPECT_STREQ(meal.getName().chars(), "");
    EXPECT_EQ(AbstractMeal().getId(), 0);
}

TEST_F(AbstractMealTest, PuttingAKeyAgainKeepsItsPlace) {
    AbstractMeal meal;
    meal.putDouble("amount", 1.0);
    meal.putBoolean("imTitel", false);
    meal.putDouble("amount", 2.5);
    const JovVector keys = meal.keys();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_STREQ(keys.elementAt(0)->toString().chars(), "amount");
    EXPECT_DOUBLE_EQ(meal.getDouble("amount"), 2.5);
}

TEST_F(AbstractMealTest, BaseAnswersOfTheItemKindOperations) {
    const NamedMeal meal("Reis");
    EXPECT_FALSE(meal.hasVariableShares());
    EXPECT_STREQ(meal.getLabelName().chars(), "");
    EXPECT_STREQ(meal.getDativePhrase().chars(), "");
    EXPECT_EQ(meal.getIcon(), nullptr);
    EXPECT_DOUBLE_EQ(meal.getAmount(), 0.0);
    EXPECT_EQ(meal.getParent(), nullptr);
}
