#include "awt/windows/JovRadioButtonPeer.h"

#include <windows.h>

unsigned long JovRadioButtonPeer::buttonStyle() const {
    return BS_AUTORADIOBUTTON | WS_GROUP;
}

JovString JovRadioButtonPeer::toString() const {
    return "ool.awt.windows.JovRadioButtonPeer";
}
