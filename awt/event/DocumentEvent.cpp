// The document event's text form.

#include "awt/event/DocumentEvent.h"

JovString DocumentEvent::toString() const {
    return "ool.awt.event.DocumentEvent";
}
