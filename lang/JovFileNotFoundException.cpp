// The missing-file exception, told apart from its root by type and class name.

#include "lang/JovFileNotFoundException.h"

JovFileNotFoundException::JovFileNotFoundException() = default;

JovFileNotFoundException::JovFileNotFoundException(const JovString& message)
    : JovException(message) {
}

JovObject* JovFileNotFoundException::clone() const {
    return new JovFileNotFoundException(*this);
}

JovString JovFileNotFoundException::className() const {
    return "JovFileNotFoundException";
}
