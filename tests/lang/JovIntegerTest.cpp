// The boxed integer: atoi-style parsing, its text and type-strict equality.
#include "LiveObjectTest.h"

#include "lang/JovDouble.h"
#include "lang/JovInteger.h"

#include <climits>
#include <gtest/gtest.h>

class JovIntegerTest : public LiveObjectTest {};

TEST_F(JovIntegerTest, ParseIntReadsLikeAtoi) {
    EXPECT_EQ(JovInteger::parseInt("42"), 42);
    EXPECT_EQ(JovInteger::parseInt("  \t-17abc"), -17);
    EXPECT_EQ(JovInteger::parseInt("+8"), 8);
    EXPECT_EQ(JovInteger::parseInt("12 34"), 12);
    EXPECT_EQ(JovInteger::parseInt("abc"), 0);
    EXPECT_EQ(JovInteger::parseInt(""), 0);
    EXPECT_EQ(JovInteger::parseInt("- 5"), 0);
}

TEST_F(JovIntegerTest, ParseIntStaysInRangeForLongDigitRuns) {
    EXPECT_EQ(JovInteger::parseInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(JovInteger::parseInt("-99999999999999999999"), INT_MIN);
}

TEST_F(JovIntegerTest, TextIsDecimal) {
    EXPECT_STREQ(JovInteger(-2005).toString().chars(), "-2005");
    EXPECT_EQ(JovInteger(INT_MIN).toString(), JovString("-2147483648"));
}

TEST_F(JovIntegerTest, EqualsOnlyAnIntegerOfTheSameValue) {
    const JovInteger seven(7);
    const JovInteger otherSeven(7);
    const JovDouble sevenDouble(7.0);
    const JovString sevenText("7");
    EXPECT_TRUE(seven.equals(&otherSeven));
    EXPECT_FALSE(seven.equals(&sevenDouble));
    EXPECT_FALSE(seven.equals(&sevenText));
    EXPECT_FALSE(seven.equals(nullptr));
    const JovInteger eight(8);
    EXPECT_FALSE(seven.equals(&eight));
}

TEST_F(JovIntegerTest, CloneIsAnEqualNewObject) {
    const JovInteger value(99);
    JovObject* copy = value.clone();
    EXPECT_NE(copy, &value);
    EXPECT_TRUE(value.equals(copy));
    EXPECT_EQ(static_cast<JovInteger*>(copy)->intValue(), 99);
    delete copy;
}
