#include "awt/JovTextArea.h"

void JovTextArea::append(const JovString& text) {
    setText(getText() + text);
}

JovString JovTextArea::toString() const {
    return textForm("JovTextArea");
}
