// Receives the selection changes of a tree.
#pragma once

#include "awt/event/JovTreeSelectionEvent.h"
#include "util/JovEventListener.h"

class JovTreeSelectionListener : public virtual JovEventListener {
public:
    virtual void valueChanged(JovTreeSelectionEvent& event) = 0;
};
