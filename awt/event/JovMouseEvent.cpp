// The mouse event's text form names its kind, position and popup trigger.

#include "awt/event/JovMouseEvent.h"

namespace {

const char* kindName(int id) {
    switch (id) {
    case JovMouseEvent::MOUSE_CLICKED:
        return "MOUSE_CLICKED";
    case JovMouseEvent::MOUSE_ENTERED:
        return "MOUSE_ENTERED";
    case JovMouseEvent::MOUSE_EXITED:
        return "MOUSE_EXITED";
    case JovMouseEvent::MOUSE_PRESSED:
        return "MOUSE_PRESSED";
    case JovMouseEvent::MOUSE_RELEASED:
        return "MOUSE_RELEASED";
    case JovMouseEvent::MOUSE_MOTION_MOVED:
        return "MOUSE_MOVED";
    case JovMouseEvent::MOUSE_MOTION_DRAGGED:
        return "MOUSE_DRAGGED";
    default:
        return "unknown type";
    }
}

} // namespace

void JovMouseEvent::translatePoint(int dx, int dy) {
    x += dx;
    y += dy;
}

JovString JovMouseEvent::toString() const {
    return JovString("ool.awt.event.JovMouseEvent[") + kindName(getID()) + ",(" +
           JovString::valueOf(x) + "," + JovString::valueOf(y) +
           "),popupTrigger=" + (popupTrigger ? "true" : "false") + "]";
}
