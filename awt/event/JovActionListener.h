// Receives commands: button clicks, menu choices, timer firings.
#pragma once

#include "awt/event/JovActionEvent.h"
#include "util/JovEventListener.h"

class JovActionListener : public virtual JovEventListener {
public:
    virtual void actionPerformed(JovActionEvent& event) = 0;
};
