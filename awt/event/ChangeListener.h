// Receives state changes of a component.
#pragma once

#include "awt/event/ChangeEvent.h"
#include "util/JovEventListener.h"

class ChangeListener : public virtual JovEventListener {
public:
    virtual void stateChanged(ChangeEvent& event) = 0;
};
