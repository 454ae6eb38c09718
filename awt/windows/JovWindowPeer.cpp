// The top-level window peer: overlapped style, the owner's window as owner, screen coordinates.

#include "awt/windows/JovWindowPeer.h"

#include "awt/JovWindow.h"

#include <windows.h>

JovWindowPeer::JovWindowPeer(JovWindow* window)
    : JovContainerPeer(window), windowComponent(window) {
}

unsigned long JovWindowPeer::windowStyle() const {
    return WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}

JovComponentPeer::WindowHandle JovWindowPeer::parentWindow() const {
    const JovWindow* owner = windowComponent->getOwner();
    const JovComponentPeer* ownerPeer = owner != nullptr ? owner->getPeer() : nullptr;
    return ownerPeer != nullptr ? ownerPeer->getWindow() : nullptr;
}

JovRectangle JovWindowPeer::windowBounds(int x, int y, int width, int height) const {
    return JovRectangle(x, y, width, height);
}

JovString JovWindowPeer::toString() const {
    return "ool.awt.windows.JovWindowPeer";
}
