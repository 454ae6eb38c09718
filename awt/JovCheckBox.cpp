#include "awt/JovCheckBox.h"

#include "awt/windows/JovCheckBoxPeer.h"

JovCheckBox::~JovCheckBox() {
    setImage(nullptr);
}

void JovCheckBox::setImage(JovImage* newImage) {
    if (newImage == image.get()) {
        return;
    }
    // The old picture is held until the control shows the new one.
    const JovReference<JovImage> old(image.get());
    image.reset(newImage);
    if (auto* peer = getPeerAs<JovCheckBoxPeer>()) {
        peer->setImage(newImage);
    }
    invalidate();
}

JovString JovCheckBox::toString() const {
    return labelledText("JovCheckBox");
}
