// The tree selection event's text form.

#include "awt/event/JovTreeSelectionEvent.h"

JovString JovTreeSelectionEvent::toString() const {
    return "ool.awt.event.JovTreeSelectionEvent";
}
