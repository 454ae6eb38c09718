// The panel peer: a library child window, as for any component.

#include "awt/windows/JovPanelPeer.h"

#include "awt/JovPanel.h"

JovPanelPeer::JovPanelPeer(JovPanel* panel) : JovContainerPeer(panel) {
}

JovString JovPanelPeer::toString() const {
    return "ool.awt.windows.JovPanelPeer";
}
