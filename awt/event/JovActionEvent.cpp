// The action event's text form.

#include "awt/event/JovActionEvent.h"

JovString JovActionEvent::toString() const {
    return "ool.awt.event.JovActionEvent";
}
