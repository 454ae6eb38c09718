// The container peer: a library child window, as for any component.

#include "awt/windows/JovContainerPeer.h"

#include "awt/JovContainer.h"

JovContainerPeer::JovContainerPeer(JovContainer* container) : JovComponentPeer(container) {
}

JovString JovContainerPeer::toString() const {
    return "ool.awt.windows.JovContainerPeer";
}
