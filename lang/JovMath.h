#pragma once
// Numeric helpers shared by the label composer and the graphics code.

#include <cstdint>

class JovMath {
public:
    JovMath() = delete;

    // The nearest integer; exactly halfway goes to the larger one (2.5 -> 3, -2.5 -> -2).
    // Not-a-number gives 0 and values beyond the 64-bit range give its nearest end.
    static std::int64_t roundHalfUp(double value);
};
