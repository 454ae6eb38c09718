// A check box: a toggle button drawn as a box with a check mark beside its label.
#pragma once

#include "awt/JovToggleButton.h"

class JovCheckBox : public JovToggleButton {
public:
    explicit JovCheckBox(const JovString& label = JovString(), bool selected = false)
        : JovToggleButton(label, selected) {}

    JovString toString() const override;
};
