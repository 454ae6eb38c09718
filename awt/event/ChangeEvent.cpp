// The change event's text form.

#include "awt/event/ChangeEvent.h"

JovString ChangeEvent::toString() const {
    return "ool.awt.event.ChangeEvent";
}
