// The search bars' statements against the real database: wildcards, article numbers, quotes in
// terms and the scratch menu that only setup mode lists.
#include "app/model/ItemSearch.h"
#include "CompositionTest.h"

#include <gtest/gtest.h>

class ItemSearchTest : public CompositionTest {
protected:
    void SetUp() override {
        CompositionTest::SetUp();
        storePlain({{7, "Kräuter'n"}, {12, "Salz"}, {120, "Sahne"}, {300, "Senf 12"}});
        storeMenu(0, "Zwischenablage");
        storeMenu(5, "Salat");
        storeMenu(51, "Suppe");
    }
    static std::string ingredientsFound(const char* term) {
        return textsOf(ItemSearch::ingredientQuery(term), "Name");
    }
};

TEST(ItemSearchPatternTest, WildcardsBecomeLikeWildcardsAndQuotesAreDoubled) {
    const struct {
        const char* term;
        const char* pattern;
    } cases[] = {
        {"", "%%"},
        {"*", "%%%"},
        {"Sa?ne", "%Sa_ne%"},
        {"K*t", "%K%t%"},
        {"Kräuter'n", "%Kräuter''n%"},
        {"''", "%''''%"},
        {"12", "%12%"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(ItemSearch::likePattern(c.term).chars(), c.pattern) << c.term;
    }
}

TEST_F(ItemSearchTest, TermsMatchNamesAndArticleNumbersInNumberOrder) {
    const struct {
        const char* term;
        const char* names;
    } cases[] = {
        {"*", "Kräuter'n,Salz,Sahne,Senf 12"},
        {"12", "Salz,Sahne,Senf 12"},
        {"Sa?", "Salz,Sahne"},
        {"S?l", "Salz"},
        {"S*e", "Sahne,Senf 12"},
        {"Kräuter'n", "Kräuter'n"},
        {"'", "Kräuter'n"},
        {"nichts", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ingredientsFound(c.term), c.names) << c.term;
    }
}

TEST_F(ItemSearchTest, ScratchMenuIsListedOnlyInSetupMode) {
    EXPECT_EQ(textsOf(ItemSearch::menuQuery("*", false), "Name"), "Salat,Suppe");
    EXPECT_EQ(textsOf(ItemSearch::menuQuery("*", true), "Name"), "Zwischenablage,Salat,Suppe");
    EXPECT_EQ(textsOf(ItemSearch::menuQuery("5", false), "Name"), "Salat,Suppe");
    EXPECT_EQ(textsOf(ItemSearch::menuQuery("0", true), "Name"), "Zwischenablage");
    EXPECT_EQ(textsOf(ItemSearch::menuQuery("0", false), "Name"), "");
}
