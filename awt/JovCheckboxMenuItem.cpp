#include "awt/JovCheckboxMenuItem.h"

#include "awt/windows/JovMenuPeer.h"

void JovCheckboxMenuItem::setState(bool newState) {
    state = newState;
    JovMenuPeer::updateItem(this);
}

void JovCheckboxMenuItem::doClick() {
    if (isSeparator() || !isEnabled()) {
        return;
    }
    setState(!state);
    JovMenuItem::doClick();
}

JovString JovCheckboxMenuItem::toString() const {
    return labelledText("JovCheckboxMenuItem");
}
