// Receives the selection changes of a list or table.
#pragma once

#include "awt/event/JovListSelectionEvent.h"
#include "util/JovEventListener.h"

class JovListSelectionListener : public virtual JovEventListener {
public:
    // Before the selection changes, while the old rows are still selected.
    virtual void valueChanging(JovListSelectionEvent& event) = 0;
    virtual void valueChanged(JovListSelectionEvent& event) = 0;
};
