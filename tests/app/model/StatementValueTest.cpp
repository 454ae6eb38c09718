// Values in statement texts: a point as decimal separator although the process runs in the
// German locale, whole grams with an exact half rounded down, quotes doubled.
#include "app/model/StatementValue.h"
#include "LiveObjectTest.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

using StatementValueTest = LiveObjectTest;

TEST_F(StatementValueTest, EachValueKindHasItsStatementForm) {
    const std::pair<JovString, const char*> cases[] = {
        {StatementValue::general(12.5), "12.5"},
        {StatementValue::general(0.0), "0"},
        {StatementValue::general(1500000.0), "1.5E+06"},
        {StatementValue::decimal(0.25), "0.250000"},
        {StatementValue::flag(true), "true"},
        {StatementValue::flag(false), "false"},
        {StatementValue::integer(-17), "-17"},
        {StatementValue::text("Oma's Salat"), "'Oma''s Salat'"},
        {StatementValue::optionalText(false, "Reis"), "NULL"},
        {StatementValue::optionalText(true, ""), "''"},
        {StatementValue::wholeGrams(12.5), "12"},
        {StatementValue::wholeGrams(12.51), "13"},
        {StatementValue::wholeGrams(12.49), "12"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_STREQ(value.chars(), expected);
    }
}

TEST_F(StatementValueTest, GramsRoundAnExactHalfDownAndUnusableWeightsStayInRange) {
    EXPECT_EQ(StatementValue::roundToGrams(37.5), 37);
    EXPECT_EQ(StatementValue::roundToGrams(-0.5), -1);
    EXPECT_EQ(StatementValue::roundToGrams(std::nan("")), 0);
    EXPECT_EQ(StatementValue::roundToGrams(1e300), LONG_MAX);
    EXPECT_LE(StatementValue::roundToGrams(-std::numeric_limits<double>::infinity()), -LONG_MAX);
}
