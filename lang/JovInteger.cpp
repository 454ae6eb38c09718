// Boxed integer with atoi-style parsing that stays defined for out-of-range digits.

#include "lang/JovInteger.h"

#include <climits>
#include <cstdlib>

namespace {

constexpr int decimalBase = 10;

} // namespace

JovInteger::JovInteger(int value) : value(value) {
}

int JovInteger::intValue() const {
    return value;
}

int JovInteger::parseInt(const JovString& text) {
    const long parsed = std::strtol(text.chars(), nullptr, decimalBase);
    if (parsed > INT_MAX) {
        return INT_MAX;
    }
    return parsed < INT_MIN ? INT_MIN : static_cast<int>(parsed);
}

JovString JovInteger::toString() const {
    return JovString::valueOf(value);
}

bool JovInteger::equals(const JovObject* other) const {
    const auto* integer = dynamic_cast<const JovInteger*>(other);
    return integer != nullptr && integer->value == value;
}

JovObject* JovInteger::clone() const {
    return new JovInteger(value);
}
