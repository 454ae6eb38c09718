// The boxed double: its point-separated six-decimal text and parsing in the process locale.
#include "LiveObjectTest.h"

#include "lang/JovDouble.h"

#include <clocale>
#include <gtest/gtest.h>

// Runs in the German locale the test entry sets, as the program's start-up does.
class JovDoubleTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        if (*std::localeconv()->decimal_point != ',') {
            GTEST_SKIP() << "the German locale is not installed";
        }
    }
};

TEST_F(JovDoubleTest, TextKeepsThePointAndSixDecimalsUnderTheGermanLocale) {
    EXPECT_STREQ(JovDouble().toString().chars(), "0.000000");
    EXPECT_STREQ(JovDouble(-0.25).toString().chars(), "-0.250000");
}

TEST_F(JovDoubleTest, ParseDoubleReadsTheCommaAndStopsAtAPoint) {
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble(" -12,5xyz"), -12.5);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("12.5"), 12.0);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("Mehl"), 0.0);
}
