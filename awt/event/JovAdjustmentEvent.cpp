// The adjustment event's text form.

#include "awt/event/JovAdjustmentEvent.h"

JovString JovAdjustmentEvent::toString() const {
    return "ool.awt.event.JovAdjustmentEvent";
}
