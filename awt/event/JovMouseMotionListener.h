// Receives the mouse moving over a component, with or without a button held.
#pragma once

#include "awt/event/JovMouseEvent.h"
#include "util/JovEventListener.h"

class JovMouseMotionListener : public virtual JovEventListener {
public:
    virtual void mouseMoved(JovMouseEvent& event) = 0;
    virtual void mouseDragged(JovMouseEvent& event) = 0;
};
