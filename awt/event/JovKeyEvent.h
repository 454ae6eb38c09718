// A key went down or up in a component. The key code is the platform's virtual key, which also
// serves as the key character.
#pragma once

#include "awt/JovAWTEvent.h"

class JovKeyEvent : public JovAWTEvent {
public:
    static constexpr int KEY_PRESSED = KEY_EVENT_GROUP;
    static constexpr int KEY_RELEASED = KEY_EVENT_GROUP + 1;
    static constexpr int KEY_TYPED = KEY_EVENT_GROUP + 2;

    // The modifier mask of key and mouse events and of key strokes.
    static constexpr int SHIFT_MASK = 1;
    static constexpr int ALT_MASK = 2;
    static constexpr int CTRL_MASK = 4;

    static constexpr int KEY_TAB = 9;
    static constexpr int KEY_ENTER = 13;
    static constexpr int KEY_ALT = 18;
    static constexpr int KEY_ESCAPE = 27;
    static constexpr int KEY_CONTEXT_MENU = 93;

    // when is the time of the key stroke in whole seconds.
    JovKeyEvent(JovObject* source, int id, long when, int modifiers, int keyCode, char keyChar)
        : JovAWTEvent(source, id), when(when), modifiers(modifiers), keyCode(keyCode),
          keyChar(keyChar) {}

    long getWhen() const { return when; }
    int getModifiers() const { return modifiers; }
    bool isShiftDown() const { return (modifiers & SHIFT_MASK) != 0; }
    bool isAltDown() const { return (modifiers & ALT_MASK) != 0; }
    bool isControlDown() const { return (modifiers & CTRL_MASK) != 0; }
    int getKeyCode() const { return keyCode; }
    char getKeyChar() const { return keyChar; }

    JovString toString() const override;

private:
    long when;
    int modifiers;
    int keyCode;
    char keyChar;
};
