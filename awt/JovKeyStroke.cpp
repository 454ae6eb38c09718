#include "awt/JovKeyStroke.h"

#include "awt/event/JovKeyEvent.h"

bool JovKeyStroke::matches(const JovKeyEvent& event) const {
    return event.getID() == JovKeyEvent::KEY_PRESSED && event.getKeyCode() == keyCode &&
           event.getModifiers() == modifiers;
}

bool JovKeyStroke::equals(const JovObject* other) const {
    const auto* stroke = dynamic_cast<const JovKeyStroke*>(other);
    return stroke != nullptr && stroke->keyCode == keyCode && stroke->modifiers == modifiers;
}

JovString JovKeyStroke::toString() const {
    return JovString("ool.awt.JovKeyStroke[keyCode=") + JovString::valueOf(keyCode) +
           ",modifiers=" + JovString::valueOf(modifiers) + "]";
}
