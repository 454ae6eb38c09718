// The native auto radio button of a JovRadioButton. Each starts a group of its own: the
// library's button group, not the window system, clears the other members.
#pragma once

#include "awt/windows/JovCheckBoxPeer.h"

class JovRadioButtonPeer : public JovCheckBoxPeer {
public:
    explicit JovRadioButtonPeer(JovToggleButton* button) : JovCheckBoxPeer(button) {}

    JovString toString() const override;

protected:
    unsigned long buttonStyle() const override;
};
