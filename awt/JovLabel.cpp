#include "awt/JovLabel.h"

#include "awt/windows/JovLabelPeer.h"
#include "io/JovPrintWriter.h"

JovLabel::JovLabel(const JovString& text, int alignment)
    : text(text), alignment(isAlignment(alignment) ? alignment : LEFT) {
}

void JovLabel::setText(const JovString& newText) {
    text = newText;
    if (getPeer() != nullptr) {
        getPeer()->setText(newText);
    }
    invalidate();
}

void JovLabel::setAlignment(int newAlignment) {
    if (!isAlignment(newAlignment)) {
        JovPrintWriter::standardError().println(JovString("JovLabel: improper alignment ") +
                                                JovString::valueOf(newAlignment));
        return;
    }
    alignment = newAlignment;
    if (auto* peer = dynamic_cast<JovLabelPeer*>(getPeer())) {
        peer->setAlignment(newAlignment);
    }
}

JovString JovLabel::toString() const {
    return JovString("ool.awt.JovLabel[,text=") + text + "]";
}
