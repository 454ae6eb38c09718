// A component gained or lost the keyboard focus.
#pragma once

#include "awt/JovAWTEvent.h"

class JovFocusEvent : public JovAWTEvent {
public:
    static constexpr int FOCUS_GAINED = FOCUS_EVENT_GROUP;
    static constexpr int FOCUS_LOST = FOCUS_EVENT_GROUP + 1;

    JovFocusEvent(JovObject* source, int id) : JovAWTEvent(source, id) {}

    JovString toString() const override;
};
