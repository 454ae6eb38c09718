// A text that explains another component: one or more lines ("\n" starts a new one), aligned
// left, centred or right, drawn in the foreground colour.
#pragma once

#include "awt/JovComponent.h"

class JovLabel : public JovComponent {
public:
    static constexpr int LEFT = 0;
    static constexpr int CENTER = 1;
    static constexpr int RIGHT = 2;

    explicit JovLabel(const JovString& text = JovString(), int alignment = LEFT);

    void setText(const JovString& text);
    const JovString& getText() const { return text; }
    // Values other than LEFT, CENTER and RIGHT are reported and ignored.
    void setAlignment(int alignment);
    int getAlignment() const { return alignment; }

    JovString toString() const override;

private:
    static bool isAlignment(int value) { return value >= LEFT && value <= RIGHT; }

    JovString text;
    int alignment;
};
