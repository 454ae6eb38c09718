// Receives the value changes of a scroll bar.
#pragma once

#include "awt/event/JovAdjustmentEvent.h"
#include "util/JovEventListener.h"

class JovAdjustmentListener : public virtual JovEventListener {
public:
    virtual void adjustmentValueChanged(JovAdjustmentEvent& event) = 0;
};
