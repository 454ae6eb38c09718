// Receives the mouse buttons and crossings of a component.
#pragma once

#include "awt/event/JovMouseEvent.h"
#include "util/JovEventListener.h"

class JovMouseListener : public virtual JovEventListener {
public:
    virtual void mouseClicked(JovMouseEvent& event) = 0;
    virtual void mouseEntered(JovMouseEvent& event) = 0;
    virtual void mouseExited(JovMouseEvent& event) = 0;
    virtual void mousePressed(JovMouseEvent& event) = 0;
    virtual void mouseReleased(JovMouseEvent& event) = 0;
};
