// The item base: the order of items by name and the place of a key put again.
#include "app/model/AbstractMeal.h"
#include "LiveObjectTest.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class NamedMeal : public AbstractMeal {
public:
    explicit NamedMeal(const char* name) { put(nameKey, JovString(name)); }
};

} // namespace

using AbstractMealTest = LiveObjectTest;

TEST_F(AbstractMealTest, OrderIsByBytesWithThePlaceholderFirstAgainstEveryItem) {
    struct Case {
        const char* left;
        const char* right;
        int order;
    };
    for (const Case& c :
         {Case{"Apfel", "apfel", -1}, Case{"apfel", "Apfel", 1}, Case{"Apfel", "Apfel", 0},
          Case{"Äpfel", "Zucchini", 1}, Case{"<Neue Zutat>", "Aal", -1},
          Case{"<Neue Zutat>", "<Neues Menü>", -1}, Case{"<Neue Zutat>", "<Neue Zutat>", -1},
          Case{"Aal", "<Neue Zutat>", 1}}) {
        SCOPED_TRACE(std::string(c.left) + " against " + c.right);
        EXPECT_EQ(NamedMeal(c.left).compareTo(NamedMeal(c.right)), c.order);
    }
    EXPECT_EQ(NamedMeal("Reis").compareTo(JovString("Reis")), 0) << "not an item";
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
