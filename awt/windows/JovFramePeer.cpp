// The frame peer: style, icon, the window state and the restore rectangle through the window's
// placement.

#include "awt/windows/JovFramePeer.h"

#include "awt/JovFrame.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

namespace {

int showCommand(int state) {
    switch (state) {
    case JovFrame::ICONIFIED:
        return SW_SHOWMINIMIZED;
    case JovFrame::MAXIMIZED_BOTH:
        return SW_SHOWMAXIMIZED;
    default:
        return SW_SHOWNORMAL;
    }
}

bool isEmpty(const JovRectangle& bounds) {
    return bounds.width <= 0 || bounds.height <= 0;
}

} // namespace

JovFramePeer::JovFramePeer(JovFrame* frame)
    : JovWindowPeer(frame), frame(frame), pendingState(JovFrame::NORMAL) {
}

unsigned long JovFramePeer::windowStyle() const {
    return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | visibleStyle();
}

JovComponentPeer::WindowHandle JovFramePeer::parentWindow() const {
    return nullptr;
}

JovRectangle JovFramePeer::windowBounds(int x, int y, int width, int height) const {
    if (!isCreated() && (width <= 0 || height <= 0)) {
        return JovRectangle(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
    }
    if (!isCreated()) {
        return JovRectangle(CW_USEDEFAULT, CW_USEDEFAULT, width, height);
    }
    return JovRectangle(x, y, width, height);
}

JovString JovFramePeer::windowTitle() const {
    return frame->getTitle();
}

void JovFramePeer::initialize() {
    JovWindowPeer::initialize();
    setIcon(frame->getIconName());
    // The system chose the place; the frame's own bounds, when it has them, win.
    const JovRectangle bounds = frame->getBounds();
    if (isEmpty(bounds)) {
        windowMoved();
    } else {
        setBounds(bounds.x, bounds.y, bounds.width, bounds.height);
    }
    const JovRectangle normal = frame->getNormalBounds();
    if (!isEmpty(normal)) {
        setNormalBounds(normal);
    }
    pendingState = frame->getExtendedState();
}

void JovFramePeer::setVisible(bool visible) {
    if (getWindow() == nullptr) {
        return;
    }
    ShowWindow(getWindow(), visible ? showCommand(pendingState) : SW_HIDE);
}

void JovFramePeer::setIcon(const JovString& resourceName) {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit == nullptr || getWindow() == nullptr) {
        return;
    }
    HICON icon = LoadIconA(toolkit->getInstance(), resourceName.chars());
    SendMessageA(getWindow(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void JovFramePeer::setState(int state) {
    pendingState = state;
    if (getWindow() != nullptr && IsWindowVisible(getWindow())) {
        ShowWindow(getWindow(), showCommand(state));
    }
}

int JovFramePeer::getState() const {
    if (getWindow() == nullptr || !IsWindowVisible(getWindow())) {
        return pendingState;
    }
    if (IsIconic(getWindow())) {
        return JovFrame::ICONIFIED;
    }
    return IsZoomed(getWindow()) ? JovFrame::MAXIMIZED_BOTH : JovFrame::NORMAL;
}

void JovFramePeer::setNormalBounds(const JovRectangle& bounds) {
    if (getWindow() == nullptr) {
        return;
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(getWindow(), &placement);
    placement.rcNormalPosition = {bounds.x, bounds.y, bounds.x + bounds.width,
                                  bounds.y + bounds.height};
    // The placement also applies its show command: a hidden window must stay hidden.
    if (!IsWindowVisible(getWindow())) {
        placement.showCmd = SW_HIDE;
    }
    SetWindowPlacement(getWindow(), &placement);
}

JovRectangle JovFramePeer::getNormalBounds() const {
    if (getWindow() == nullptr) {
        return JovRectangle();
    }
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(getWindow(), &placement);
    const RECT& normal = placement.rcNormalPosition;
    return JovRectangle(normal.left, normal.top, normal.right - normal.left,
                        normal.bottom - normal.top);
}

JovString JovFramePeer::toString() const {
    return "ool.awt.windows.JovFramePeer";
}
