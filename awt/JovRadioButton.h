// A radio button: clicking selects it (never clears it); its group clears the others.
#pragma once

#include "awt/JovToggleButton.h"

class JovRadioButton : public JovToggleButton {
public:
    explicit JovRadioButton(const JovString& label = JovString(), bool selected = false)
        : JovToggleButton(label, selected) {}

    JovString toString() const override;

protected:
    bool selectionAfterClick() const override { return true; }
};
