// Receives the keys pressed and released in a component.
#pragma once

#include "awt/event/JovKeyEvent.h"
#include "util/JovEventListener.h"

class JovKeyListener : public virtual JovEventListener {
public:
    virtual void keyPressed(JovKeyEvent& event) = 0;
    virtual void keyReleased(JovKeyEvent& event) = 0;
    virtual void keyTyped(JovKeyEvent& event) = 0;
};
