// A mouse button, crossing or movement in a component, at a position in the component's own
// coordinates.
#pragma once

#include "awt/JovAWTEvent.h"
#include "awt/JovPoint.h"

class JovMouseEvent : public JovAWTEvent {
public:
    static constexpr int MOUSE_CLICKED = MOUSE_EVENT_GROUP;
    static constexpr int MOUSE_ENTERED = MOUSE_EVENT_GROUP + 1;
    static constexpr int MOUSE_EXITED = MOUSE_EVENT_GROUP + 2;
    static constexpr int MOUSE_PRESSED = MOUSE_EVENT_GROUP + 3;
    static constexpr int MOUSE_RELEASED = MOUSE_EVENT_GROUP + 4;
    // The motion ids; named apart from the console API's MOUSE_MOVED macro.
    static constexpr int MOUSE_MOTION_MOVED = MOUSE_MOTION_EVENT_GROUP;
    static constexpr int MOUSE_MOTION_DRAGGED = MOUSE_MOTION_EVENT_GROUP + 1;

    // modifiers use the masks of JovKeyEvent; when is in whole seconds.
    JovMouseEvent(JovObject* source, int id, long when, int modifiers, int x, int y, int clickCount,
                  bool popupTrigger)
        : JovAWTEvent(source, id), when(when), modifiers(modifiers), x(x), y(y),
          clickCount(clickCount), popupTrigger(popupTrigger) {}

    long getWhen() const { return when; }
    int getModifiers() const { return modifiers; }
    int getX() const { return x; }
    int getY() const { return y; }
    JovPoint getPoint() const { return JovPoint(x, y); }
    void translatePoint(int dx, int dy);
    int getClickCount() const { return clickCount; }
    // True for the event on which the platform opens a context menu.
    bool isPopupTrigger() const { return popupTrigger; }

    JovString toString() const override;

private:
    long when;
    int modifiers;
    int x;
    int y;
    int clickCount;
    bool popupTrigger;
};
