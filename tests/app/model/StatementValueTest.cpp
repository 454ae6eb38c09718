// Values in statement texts: a point as decimal separator although the process runs in the
// German locale, whole grams with an exact half rounded down, quotes doubled.
#include "app/model/StatementValue.h"
#include "LiveObjectTest.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using StatementValueTest = LiveObjectTest;

TEST_F(StatementValueTest, NutritionValuesUseGeneralFormWithAPoint) {
    EXPECT_STREQ(StatementValue::general(12.5).chars(), "12.5");
    EXPECT_STREQ(StatementValue::general(3.25).chars(), "3.25");
    EXPECT_STREQ(StatementValue::general(0.0).chars(), "0");
    EXPECT_STREQ(StatementValue::general(1500000.0).chars(), "1.5E+06");
}

TEST_F(StatementValueTest, SharesHaveSixDecimalsAndAPoint) {
    EXPECT_STREQ(StatementValue::decimal(0.25).chars(), "0.250000");
    EXPECT_STREQ(StatementValue::decimal(0.0).chars(), "0.000000");
}

TEST_F(StatementValueTest, FlagsIntegersAndTexts) {
    EXPECT_STREQ(StatementValue::flag(true).chars(), "true");
    EXPECT_STREQ(StatementValue::flag(false).chars(), "false");
    EXPECT_STREQ(StatementValue::integer(-17).chars(), "-17");
    EXPECT_STREQ(StatementValue::text("Omas Kartoffelsalat").chars(), "'Omas Kartoffelsalat'");
    EXPECT_STREQ(StatementValue::text("Oma's Salat").chars(), "'Oma''s Salat'");
    EXPECT_STREQ(StatementValue::optionalText(false, "Reis").chars(), "NULL");
    EXPECT_STREQ(StatementValue::optionalText(true, "").chars(), "''");
}

TEST_F(StatementValueTest, WholeGramsRoundAnExactHalfDown) {
    EXPECT_STREQ(StatementValue::wholeGrams(12.5).chars(), "12");
    EXPECT_STREQ(StatementValue::wholeGrams(12.51).chars(), "13");
    EXPECT_STREQ(StatementValue::wholeGrams(12.49).chars(), "12");
    EXPECT_STREQ(StatementValue::wholeGrams(0.5).chars(), "0");
    EXPECT_EQ(StatementValue::roundToGrams(37.5), 37);
    EXPECT_EQ(StatementValue::roundToGrams(-0.5), -1);
}

TEST_F(StatementValueTest, UnusableWeightsStayInRange) {
    EXPECT_EQ(StatementValue::roundToGrams(std::nan("")), 0);
    EXPECT_EQ(StatementValue::roundToGrams(1e300), LONG_MAX);
    EXPECT_LE(StatementValue::roundToGrams(-std::numeric_limits<double>::infinity()), -LONG_MAX);
}
