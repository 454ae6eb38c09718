// The tree model event's text form.

#include "awt/event/JovTreeModelEvent.h"

JovString JovTreeModelEvent::toString() const {
    return "ool.awt.event.JovTreeModelEvent";
}
