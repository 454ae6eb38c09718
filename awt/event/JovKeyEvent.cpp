// The key event's text form names its kind, code and character.

#include "awt/event/JovKeyEvent.h"

namespace {

const char* kindName(int id) {
    switch (id) {
    case JovKeyEvent::KEY_PRESSED:
        return "KEY_PRESSED";
    case JovKeyEvent::KEY_RELEASED:
        return "KEY_RELEASED";
    case JovKeyEvent::KEY_TYPED:
        return "KEY_TYPED";
    default:
        return "unknown type";
    }
}

} // namespace

JovString JovKeyEvent::toString() const {
    return JovString("ool.awt.event.JovKeyEvent[id=") + kindName(getID()) +
           ",keyCode=" + JovString::valueOf(keyCode) + ",keyChar=" + keyChar + "]";
}
