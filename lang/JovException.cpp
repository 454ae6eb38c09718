// Exception root with its message and the reporting form of both.

#include "lang/JovException.h"

JovException::JovException() = default;

JovException::JovException(const JovString& message) : message(message) {
}

JovString JovException::getMessage() const {
    return message;
}

JovString JovException::toString() const {
    return message;
}

JovString JovException::longText() const {
    return className() + ": " + message;
}

JovObject* JovException::clone() const {
    return new JovException(*this);
}

JovString JovException::className() const {
    return "JovException";
}
