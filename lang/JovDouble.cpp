// Boxed double with locale-dependent parsing and locale-independent text.

#include "lang/JovDouble.h"

#include <cstdlib>

JovDouble::JovDouble() : value(0.0) {
}

JovDouble::JovDouble(double value) : value(value) {
}

double JovDouble::doubleValue() const {
    return value;
}

double JovDouble::parseDouble(const JovString& text) {
    return std::strtod(text.chars(), nullptr);
}

JovString JovDouble::toString() const {
    return JovString().format("%lf", value).replace(',', '.');
}

bool JovDouble::equals(const JovObject* other) const {
    const auto* number = dynamic_cast<const JovDouble*>(other);
    return number != nullptr && number->value == value;
}

JovObject* JovDouble::clone() const {
    return new JovDouble(value);
}
