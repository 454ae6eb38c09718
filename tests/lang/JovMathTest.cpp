// Rounding half up to the larger integer.
#include "lang/JovMath.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

TEST(JovMathTest, HalfwayGoesToTheLargerInteger) {
    EXPECT_EQ(JovMath::roundHalfUp(2.5), 3);
    EXPECT_EQ(JovMath::roundHalfUp(-2.5), -2);
    EXPECT_EQ(JovMath::roundHalfUp(0.5), 1);
    EXPECT_EQ(JovMath::roundHalfUp(-0.5), 0);
}

TEST(JovMathTest, OtherValuesGoToTheNearestInteger) {
    EXPECT_EQ(JovMath::roundHalfUp(2.4), 2);
    EXPECT_EQ(JovMath::roundHalfUp(2.6), 3);
    EXPECT_EQ(JovMath::roundHalfUp(-2.6), -3);
    EXPECT_EQ(JovMath::roundHalfUp(-2.4), -2);
    EXPECT_EQ(JovMath::roundHalfUp(7.0), 7);
}

TEST(JovMathTest, JustBelowOneHalfRoundsDown) {
    // The largest double below 0.5: adding 0.5 to it would round up to 1 in floating point.
    EXPECT_EQ(JovMath::roundHalfUp(std::nextafter(0.5, 0.0)), 0);
}

TEST(JovMathTest, LargeValuesKeepAllDigits) {
    EXPECT_EQ(JovMath::roundHalfUp(4503599627370497.0), INT64_C(4503599627370497));
    EXPECT_EQ(JovMath::roundHalfUp(5000000000.5), INT64_C(5000000001));
}

TEST(JovMathTest, OutOfRangeValuesStayDefined) {
    EXPECT_EQ(JovMath::roundHalfUp(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(JovMath::roundHalfUp(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(JovMath::roundHalfUp(-std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int64_t>::min());
}
