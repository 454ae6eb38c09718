// Rounding half up to the larger integer.
#include "lang/JovMath.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

// The largest double below one half must not round up, as adding 0.5 to it would; values out of
// range (NaN, infinities, 1e300) stay defined.
TEST(JovMathTest, RoundsToTheNearestIntegerAndHalfwayToTheLarger) {
    using Limits = std::numeric_limits<std::int64_t>;
    const struct {
        double value;
        std::int64_t rounded;
    } cases[] = {{2.5, 3},
                 {-2.5, -2},
                 {0.5, 1},
                 {-0.5, 0},
                 {2.4, 2},
                 {2.6, 3},
                 {-2.6, -3},
                 {-2.4, -2},
                 {std::nextafter(0.5, 0.0), 0},
                 {4503599627370497.0, INT64_C(4503599627370497)},
                 {5000000000.5, INT64_C(5000000001)},
                 {std::numeric_limits<double>::quiet_NaN(), 0},
                 {1e300, Limits::max()},
                 {-std::numeric_limits<double>::infinity(), Limits::min()}};
    for (const auto& [value, rounded] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(JovMath::roundHalfUp(value), rounded);
    }
}
