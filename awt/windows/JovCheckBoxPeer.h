// The native auto check box of a JovCheckBox, its label beside the box.
#pragma once

#include "awt/windows/JovToggleButtonPeer.h"

class JovCheckBoxPeer : public JovToggleButtonPeer {
public:
    explicit JovCheckBoxPeer(JovToggleButton* button) : JovToggleButtonPeer(button) {}

    // The label's extent with room for the box.
    JovDimension getPreferredSize() override;

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    unsigned long buttonStyle() const override;
};
