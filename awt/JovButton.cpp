#include "awt/JovButton.h"

#include "awt/windows/JovButtonPeer.h"

void JovButton::setDefault(bool isDefault) {
    defaultLook = isDefault;
    if (auto* peer = getPeerAs<JovButtonPeer>()) {
        peer->setDefaultLook(isDefault);
    }
}

JovString JovButton::toString() const {
    return labelledText("JovButton");
}
