// Locale-independent value texts for the statements of the item classes and the composer.

#include "app/model/StatementValue.h"

#include "lang/JovBoolean.h"
#include "lang/JovDouble.h"
#include "lang/JovMath.h"
#include "sql/SqlLiteral.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <limits>

namespace {
constexpr const char* nullText = "NULL";
} // namespace

JovString StatementValue::integer(int value) {
    return JovString::valueOf(value);
}

JovString StatementValue::flag(bool value) {
    return JovBoolean(value).toString();
}

JovString StatementValue::decimal(double value) {
    return JovDouble(value).toString();
}

JovString StatementValue::general(double value) {
    return JovString().format("%G", value).replace(',', '.');
}

JovString StatementValue::wholeGrams(double weight) {
    return JovString().format("%ld", roundToGrams(weight));
}

JovString StatementValue::text(const JovString& value) {
    return SqlLiteral::quoted(value);
}

JovString StatementValue::optionalText(bool present, const JovString& value) {
    return present ? text(value) : JovString(nullText);
}

long StatementValue::roundToGrams(double weight) {
    // Rounding the negated weight half up rounds the weight itself half down; the lowest
    // result has no negation and stands for the highest.
    const std::int64_t negated = JovMath::roundHalfUp(-weight);
    const std::int64_t grams = negated == std::numeric_limits<std::int64_t>::min()
                                   ? std::numeric_limits<std::int64_t>::max()
                                   : -negated;
    return static_cast<long>(std::clamp<std::int64_t>(grams, LONG_MIN, LONG_MAX));
}
