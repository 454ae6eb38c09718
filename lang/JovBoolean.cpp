// Boxed truth value.

#include "lang/JovBoolean.h"

JovBoolean::JovBoolean(bool value) : value(value) {
}

bool JovBoolean::booleanValue() const {
    return value;
}

JovString JovBoolean::toString() const {
    return value ? "true" : "false";
}

bool JovBoolean::equals(const JovObject* other) const {
    const auto* truth = dynamic_cast<const JovBoolean*>(other);
    return truth != nullptr && truth->value == value;
}

JovObject* JovBoolean::clone() const {
    return new JovBoolean(value);
}
