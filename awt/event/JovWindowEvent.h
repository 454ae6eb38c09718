// What happens to a top-level window: shown, close request, activation, minimising.
#pragma once

#include "awt/JovAWTEvent.h"

class JovWindowEvent : public JovAWTEvent {
public:
    static constexpr int WINDOW_OPENED = WINDOW_EVENT_GROUP;
    // The user asked to close the window (close box, system menu, Alt+F4); the window stays open
    // until the application disposes it.
    static constexpr int WINDOW_CLOSING = WINDOW_EVENT_GROUP + 1;
    static constexpr int WINDOW_ACTIVATED = WINDOW_EVENT_GROUP + 2;
    static constexpr int WINDOW_DEACTIVATED = WINDOW_EVENT_GROUP + 3;
    static constexpr int WINDOW_CLOSED = WINDOW_EVENT_GROUP + 4;
    static constexpr int WINDOW_ICONIFIED = WINDOW_EVENT_GROUP + 5;
    static constexpr int WINDOW_FIRST = WINDOW_OPENED;
    static constexpr int WINDOW_LAST = WINDOW_ICONIFIED;

    JovWindowEvent(JovObject* source, int id) : JovAWTEvent(source, id) {}

    static bool isWindowEventId(int id) { return id >= WINDOW_FIRST && id <= WINDOW_LAST; }

    JovString toString() const override;
};
