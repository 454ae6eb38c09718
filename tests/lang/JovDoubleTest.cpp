// The boxed double: its point-separated six-decimal text, locale-dependent parsing and equality.
#include "LiveObjectTest.h"

#include "lang/JovDouble.h"
#include "lang/JovInteger.h"
#include "lang/JovPlatform.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

// Runs a test under one named locale and restores the process's locale afterwards.
class JovDoubleTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        previous = std::setlocale(LC_ALL, nullptr);
    }
    void TearDown() override {
        std::setlocale(LC_ALL, previous.c_str());
        LiveObjectTest::TearDown();
    }
    bool useLocale(const char* name) { return std::setlocale(LC_ALL, name) != nullptr; }

private:
    std::string previous;
};

TEST_F(JovDoubleTest, TextHasSixDecimals) {
    ASSERT_TRUE(useLocale("C"));
    EXPECT_STREQ(JovDouble(12.5).toString().chars(), "12.500000");
    EXPECT_STREQ(JovDouble().toString().chars(), "0.000000");
    EXPECT_STREQ(JovDouble(-0.25).toString().chars(), "-0.250000");
}

TEST_F(JovDoubleTest, TextKeepsThePointUnderTheGermanLocale) {
    if (!useLocale(JovPlatform::germanLocaleName())) {
        GTEST_SKIP() << "the German locale is not installed";
    }
    EXPECT_STREQ(JovDouble(1.5).toString().chars(), "1.500000");
}

TEST_F(JovDoubleTest, ParseDoubleUsesThePointInTheCLocale) {
    ASSERT_TRUE(useLocale("C"));
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble(" 0.25xyz"), 0.25);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("-3"), -3.0);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("Mehl"), 0.0);
}

TEST_F(JovDoubleTest, ParseDoubleUsesTheCommaUnderTheGermanLocale) {
    if (!useLocale(JovPlatform::germanLocaleName())) {
        GTEST_SKIP() << "the German locale is not installed";
    }
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble("12.5"), 12.0);
}

TEST_F(JovDoubleTest, TextReadsBackUnderTheCLocale) {
    ASSERT_TRUE(useLocale("C"));
    const JovDouble share(0.3);
    EXPECT_DOUBLE_EQ(JovDouble::parseDouble(share.toString()), 0.3);
}

TEST_F(JovDoubleTest, EqualsOnlyADoubleOfEqualValue) {
    const JovDouble half(0.5);
    const JovDouble otherHalf(0.5);
    const JovDouble quarter(0.25);
    const JovInteger zero(0);
    EXPECT_TRUE(half.equals(&otherHalf));
    EXPECT_FALSE(half.equals(&quarter));
    EXPECT_FALSE(JovDouble(0.0).equals(&zero));
    EXPECT_FALSE(half.equals(nullptr));
}

TEST_F(JovDoubleTest, CloneKeepsTheValue) {
    JovObject* copy = JovDouble(2.75).clone();
    EXPECT_DOUBLE_EQ(static_cast<JovDouble*>(copy)->doubleValue(), 2.75);
    delete copy;
}
