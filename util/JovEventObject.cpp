// The event root's text form.

#include "util/JovEventObject.h"

JovString JovEventObject::toString() const {
    return "ool.util.JovEventObject";
}
