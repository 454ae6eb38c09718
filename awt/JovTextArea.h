// A multi-line text in a rich edit control. Its lines end in "\r\n", as the control keeps them;
// Tab stays in the text instead of moving the focus.
#pragma once

#include "awt/JovTextComponent.h"

class JovTextArea : public JovTextComponent {
public:
    explicit JovTextArea(const JovString& text = JovString()) : JovTextComponent(text) {}

    // Takes effect when the control is made.
    void setLineWrap(bool wrap) { lineWrap = wrap; }
    bool getLineWrap() const { return lineWrap; }
    void append(const JovString& text);

    JovString toString() const override;

private:
    bool lineWrap = false;
};
