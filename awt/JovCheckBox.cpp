#include "awt/JovCheckBox.h"

#include "awt/JovImage.h"
#include "awt/windows/JovCheckBoxPeer.h"

JovCheckBox::~JovCheckBox() {
    setImage(nullptr);
}

void JovCheckBox::setImage(JovImage* newImage) {
    if (newImage == image) {
        return;
    }
    if (newImage != nullptr) {
        newImage->addRef();
    }
    JovImage* old = image;
    image = newImage;
    if (auto* peer = getPeerAs<JovCheckBoxPeer>()) {
        peer->setImage(newImage);
    }
    if (old != nullptr) {
        old->release();
    }
    invalidate();
}

JovString JovCheckBox::toString() const {
    return labelledText("JovCheckBox");
}
