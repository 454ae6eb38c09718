// A text that explains another component: one or more lines ("\n" starts a new one), aligned
// left, centred or right, drawn in the foreground colour; or a picture in place of the text. A
// label takes no input, so the focus passes it by.
#pragma once

#include "awt/JovComponent.h"
#include "lang/JovReference.h"

class JovImageIcon;

class JovLabel : public JovComponent {
public:
    static constexpr int LEFT = 0;
    static constexpr int CENTER = 1;
    static constexpr int RIGHT = 2;

    explicit JovLabel(const JovString& text = JovString(), int alignment = LEFT);
    JovLabel(const JovLabel&) = delete;
    JovLabel& operator=(const JovLabel&) = delete;
    ~JovLabel() override;

    void setText(const JovString& text);
    const JovString& getText() const { return text; }
    // Values other than LEFT, CENTER and RIGHT are reported and ignored.
    void setAlignment(int alignment);
    int getAlignment() const { return alignment; }
    // Takes a counted reference; the label shows the picture, at its own size, in place of the
    // text. Null goes back to the text.
    void setIcon(JovImageIcon* icon);
    JovImageIcon* getIcon() const { return icon.get(); }

    // Draws the picture; a text is drawn by the control itself.
    void paint(JovGraphics& graphics) override;

    JovString toString() const override;

private:
    static bool isAlignment(int value) { return value >= LEFT && value <= RIGHT; }

    JovString text;
    int alignment;
    JovReference<JovImageIcon> icon;
};
