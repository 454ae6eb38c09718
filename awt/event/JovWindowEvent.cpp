// The window event's text form.

#include "awt/event/JovWindowEvent.h"

JovString JovWindowEvent::toString() const {
    return "ool.awt.event.JovWindowEvent";
}
