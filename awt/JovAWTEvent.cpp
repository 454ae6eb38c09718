// The toolkit event root's text form.

#include "awt/JovAWTEvent.h"

JovString JovAWTEvent::toString() const {
    return "ool.awt.JovAWTEvent";
}
