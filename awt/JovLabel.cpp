// Labels: text, alignment and the picture a label may show instead.

#include "awt/JovLabel.h"

#include "awt/JovGraphics.h"
#include "awt/JovImageIcon.h"
#include "awt/windows/JovLabelPeer.h"
#include "io/JovPrintWriter.h"

JovLabel::JovLabel(const JovString& text, int alignment)
    : text(text), alignment(isAlignment(alignment) ? alignment : LEFT) {
    setFocusable(false);
}

JovLabel::~JovLabel() = default;

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
    if (auto* peer = getPeerAs<JovLabelPeer>()) {
        peer->setAlignment(newAlignment);
    }
}

void JovLabel::setIcon(JovImageIcon* newIcon) {
    if (newIcon == icon.get()) {
        return;
    }
    icon.reset(newIcon);
    if (auto* peer = getPeerAs<JovLabelPeer>()) {
        peer->setPictureStyle(newIcon != nullptr);
    }
    invalidate();
}

void JovLabel::paint(JovGraphics& graphics) {
    if (!icon || icon->getImage() == nullptr) {
        return;
    }
    graphics.drawImage(icon->getImage(), 0, 0, icon->getIconWidth(), icon->getIconHeight());
}

JovString JovLabel::toString() const {
    return JovString("ool.awt.JovLabel[,text=") + text + "]";
}
