// A key with its modifiers, as buttons and menu items name their accelerators.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovKeyEvent;

class JovKeyStroke : public JovObject {
public:
    // modifiers: the key event's mask (Shift 1, Alt 2, Ctrl 4).
    JovKeyStroke(int keyCode, int modifiers) : keyCode(keyCode), modifiers(modifiers) {}

    int getKeyCode() const { return keyCode; }
    int getModifiers() const { return modifiers; }
    // True when event is this key pressed with exactly these modifiers.
    bool matches(const JovKeyEvent& event) const;

    bool equals(const JovObject* other) const override;
    JovString toString() const override;

private:
    int keyCode;
    int modifiers;
};
