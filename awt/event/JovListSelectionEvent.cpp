// The list selection event's text form.

#include "awt/event/JovListSelectionEvent.h"

JovString JovListSelectionEvent::toString() const {
    return "ool.awt.event.JovListSelectionEvent";
}
