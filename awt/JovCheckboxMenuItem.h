// A menu item with a check mark that choosing it turns on and off.
#pragma once

#include "awt/JovMenuItem.h"

class JovCheckboxMenuItem : public JovMenuItem {
public:
    explicit JovCheckboxMenuItem(const JovString& label = JovString(), bool state = false)
        : JovMenuItem(label), state(state) {}

    // Updates the native check mark in place.
    void setState(bool state);
    bool getState() const { return state; }
    // Choosing the item flips the check mark, then performs the action.
    void doClick() override;

    JovString toString() const override;

private:
    bool state;
};
