// The state of a component changed (for example the selected tab).
#pragma once

#include "awt/JovAWTEvent.h"

class ChangeEvent : public JovAWTEvent {
public:
    static constexpr int STATE_CHANGED = CHANGE_EVENT_GROUP + 1;

    explicit ChangeEvent(JovObject* source) : JovAWTEvent(source, STATE_CHANGED) {}

    JovString toString() const override;
};
