// Receives the keyboard focus coming to and leaving a component.
#pragma once

#include "awt/event/JovFocusEvent.h"
#include "util/JovEventListener.h"

class JovFocusListener : public virtual JovEventListener {
public:
    virtual void focusGained(JovFocusEvent& event) = 0;
    virtual void focusLost(JovFocusEvent& event) = 0;
};
