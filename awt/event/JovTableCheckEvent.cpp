// The check event's text form.

#include "awt/event/JovTableCheckEvent.h"

JovString JovTableCheckEvent::toString() const {
    return "ool.awt.event.JovTableCheckEvent";
}
