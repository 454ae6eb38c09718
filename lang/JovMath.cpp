// Rounding without the off-by-one of floor(x + 0.5) just below one half.

#include "lang/JovMath.h"

#include <cmath>
#include <limits>

namespace {

constexpr double half = 0.5;
// 2^63: the first double beyond the signed 64-bit range.
constexpr double int64Limit = 9223372036854775808.0;

} // namespace

std::int64_t JovMath::roundHalfUp(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= int64Limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -int64Limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    // value - floor(value) is exact, so the halfway test sees the true fraction.
    const double below = std::floor(value);
    const double rounded = value - below >= half ? below + 1.0 : below;
    return static_cast<std::int64_t>(rounded);
}
