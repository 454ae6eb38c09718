#include "awt/windows/JovToggleButtonPeer.h"

#include "awt/JovToggleButton.h"

#include <windows.h>

JovToggleButtonPeer::JovToggleButtonPeer(JovToggleButton* button)
    : JovButtonPeer(button), toggleButton(button) {
}

unsigned long JovToggleButtonPeer::buttonStyle() const {
    return BS_PUSHLIKE | BS_AUTOCHECKBOX;
}

void JovToggleButtonPeer::initialize() {
    JovButtonPeer::initialize();
    setChecked(toggleButton->isSelected());
}

void JovToggleButtonPeer::setChecked(bool checked) {
    if (getWindow() != nullptr) {
        SendMessageA(getWindow(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool JovToggleButtonPeer::isChecked() const {
    return getWindow() != nullptr && SendMessageA(getWindow(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

JovString JovToggleButtonPeer::toString() const {
    return "ool.awt.windows.JovToggleButtonPeer";
}
