// The focus event's text form.

#include "awt/event/JovFocusEvent.h"

JovString JovFocusEvent::toString() const {
    return "ool.awt.event.JovFocusEvent";
}
