// The native window of a plain component: creation and destruction, the component's state copied
// into the window, painting through the peer's graphics and the mouse, focus and Tab handling that
// the window procedure delegates to the peer.

#include "awt/windows/JovComponentPeer.h"

#include "awt/JovComponent.h"
#include "awt/JovContainer.h"
#include "awt/JovWindow.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/geom/JovAffineTransform.h"
#include "awt/windows/JovControlProcedure.h"
#include "awt/windows/JovMToolkit.h"
#include "awt/windows/JovMenuPeer.h"
#include "awt/windows/JovWindowProcedure.h"

#include <commctrl.h>
#include <windows.h>

#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int opaqueAlpha = 254;
constexpr int keyboardMenuY = -1;

COLORREF colorRef(const JovColor& color) {
    return RGB(color.getRed(), color.getGreen(), color.getBlue());
}

long secondsNow() {
    return static_cast<long>(std::time(nullptr));
}

bool isOpaque(const JovColor& color) {
    return color.getAlpha() > opaqueAlpha;
}

bool isLibraryClass(const char* windowClass) {
    return std::strcmp(windowClass, JovMToolkit::COMPONENT_CLASS) == 0 ||
           std::strcmp(windowClass, JovMToolkit::DIALOG_CLASS) == 0;
}

} // namespace

void JovComponentPeer::JovComponentPeerGraphics::begin(DeviceContext context) {
    setDeviceContext(context);
    const JovInsets insets = peer->getInsets();
    setTransform(JovAffineTransform::getTranslateInstance(-insets.left, -insets.top));
    setFont(peer->component->getFont());
    setColor(peer->component->getForeground());
}

void JovComponentPeer::JovComponentPeerGraphics::end() {
    setDeviceContext(nullptr);
}

JovString JovComponentPeer::JovComponentPeerGraphics::toString() const {
    return "ool.awt.windows.JovComponentPeer.JovComponentPeerGraphics";
}

JovComponentPeer::JovComponentPeer(JovComponent* component)
    : created(false), component(component), window(nullptr), paintContext(nullptr),
      backgroundColor(WHITE), graphics(this) {
}

JovComponentPeer::~JovComponentPeer() = default;

bool JovComponentPeer::create() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit == nullptr || created) {
        return false;
    }
    const JovRectangle bounds = component->getBounds();
    const JovRectangle place = windowBounds(bounds.x, bounds.y, bounds.width, bounds.height);
    window = CreateWindowExA(windowExStyle(), windowClass(), windowTitle().chars(), windowStyle(),
                             place.x, place.y, place.width, place.height, parentWindow(), nullptr,
                             toolkit->getInstance(), nullptr);
    if (window == nullptr) {
        return false;
    }
    created = true;
    toolkit->registerPeer(this);
    if (!isLibraryClass(windowClass())) {
        JovControlProcedure::install(window);
    }
    updateInsets();
    initialize();
    return true;
}

void JovComponentPeer::destroy() {
    if (window == nullptr) {
        return;
    }
    removeToolTip();
    const HWND old = window;
    windowLost();
    DestroyWindow(old);
}

void JovComponentPeer::windowLost() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit != nullptr) {
        if (toolkit->getWindowUnderMouse() == window) {
            toolkit->setWindowUnderMouse(nullptr);
        }
        if (toolkit->getHoverTimerWindow() == window) {
            KillTimer(window, JovMToolkit::HOVER_TIMER_ID);
            toolkit->setHoverTimerWindow(nullptr);
        }
    }
    window = nullptr;
    created = false;
    // Last: the registry's reference may be the one that keeps this peer alive.
    if (toolkit != nullptr) {
        toolkit->unregisterPeer(this);
    }
}

const char* JovComponentPeer::windowClass() const {
    return JovMToolkit::COMPONENT_CLASS;
}

unsigned long JovComponentPeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | visibleStyle();
}

unsigned long JovComponentPeer::windowExStyle() const {
    return 0;
}

JovString JovComponentPeer::windowTitle() const {
    return JovString();
}

JovComponentPeer::WindowHandle JovComponentPeer::parentWindow() const {
    const JovComponentPeer* parent = parentPeer();
    return parent != nullptr ? parent->getWindow() : nullptr;
}

JovComponentPeer* JovComponentPeer::parentPeer() const {
    const JovContainer* parent = component->getParent();
    return parent != nullptr ? parent->getPeer() : nullptr;
}

unsigned long JovComponentPeer::visibleStyle() const {
    return component->isVisible() ? WS_VISIBLE : 0;
}

JovRectangle JovComponentPeer::windowBounds(int x, int y, int width, int height) const {
    // Component coordinates include the parent's frame; the child window lives in its client area.
    const JovComponentPeer* parent = parentPeer();
    const JovInsets parentInsets = parent != nullptr ? parent->getInsets() : JovInsets();
    return JovRectangle(x - parentInsets.left, y - parentInsets.top, width, height);
}

void JovComponentPeer::initialize() {
    backgroundColor = inheritedBackground();
    if (!component->isEnabled()) {
        EnableWindow(window, FALSE);
    }
    registerToolTip();
}

unsigned long JovComponentPeer::inheritedBackground() const {
    for (const JovComponent* above = component; above != nullptr; above = above->getParent()) {
        if (isOpaque(above->getBackground())) {
            return colorRef(above->getBackground());
        }
    }
    return WHITE;
}

void JovComponentPeer::updateInsets() {
    if (window == nullptr || IsIconic(window)) {
        return;
    }
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    // A window not sized yet has no client area to measure: its frame follows from its styles,
    // so that packing it before it was ever shown gives its content the whole preferred size.
    if (outer.right == outer.left || outer.bottom == outer.top) {
        RECT frame = {0, 0, 0, 0};
        AdjustWindowRectEx(&frame, GetWindowLongA(window, GWL_STYLE), GetMenu(window) != nullptr,
                           GetWindowLongA(window, GWL_EXSTYLE));
        insets = JovInsets(-frame.top, -frame.left, frame.bottom, frame.right);
        return;
    }
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    insets = JovInsets(client.top - outer.top, client.left - outer.left,
                       outer.bottom - client.bottom, outer.right - client.right);
}

void JovComponentPeer::setBounds(int x, int y, int width, int height) {
    if (window == nullptr) {
        return;
    }
    const JovRectangle place = windowBounds(x, y, width, height);
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void JovComponentPeer::setVisible(bool visible) {
    if (window != nullptr) {
        ShowWindow(window, visible ? SW_SHOW : SW_HIDE);
    }
}

JovDimension JovComponentPeer::getPreferredSize() {
    return component->getSize();
}

void JovComponentPeer::paint(DeviceContext context) {
    paintContext = context;
    graphics.begin(context);
    component->update(graphics);
    graphics.end();
    paintContext = nullptr;
}

void JovComponentPeer::setText(const JovString& text) {
    if (window != nullptr) {
        SetWindowTextA(window, text.chars());
    }
}

JovString JovComponentPeer::getText() const {
    if (window == nullptr) {
        return JovString();
    }
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return JovString();
    }
    std::vector<char> buffer(length + 1);
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    return JovString(buffer.data(), 0, copied);
}

void JovComponentPeer::setFont(const JovFont&) {
    // A library window draws its text in paint, with the component's font.
    repaint();
}

void JovComponentPeer::setForeground(const JovColor&) {
    repaint();
}

void JovComponentPeer::setBackground(const JovColor&) {
    backgroundColor = inheritedBackground();
    repaint();
}

void JovComponentPeer::setEnabled(bool enabled) {
    if (window != nullptr) {
        EnableWindow(window, enabled ? TRUE : FALSE);
    }
}

void JovComponentPeer::setToolTipText(const JovString&) {
    removeToolTip();
    registerToolTip();
}

void JovComponentPeer::registerToolTip() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    const JovString text = component->getToolTipText();
    if (toolkit == nullptr || window == nullptr || text.length() == 0) {
        return;
    }
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    // The control copies the text.
    tool.lpszText = const_cast<char*>(text.chars());
    SendMessageA(toolkit->getToolTip(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void JovComponentPeer::removeToolTip() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit == nullptr || window == nullptr) {
        return;
    }
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(window);
    SendMessageA(toolkit->getToolTip(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void JovComponentPeer::requestFocus() {
    if (window != nullptr) {
        SetFocus(window);
    }
}

void JovComponentPeer::repaint() {
    if (window != nullptr) {
        InvalidateRect(window, nullptr, TRUE);
    }
}

void JovComponentPeer::toFront() {
    if (window != nullptr) {
        SetForegroundWindow(window);
    }
}

void JovComponentPeer::handleMousePress(int x, int y, int clickCount, int modifiers) {
    deliverMouseEvent(window, JovMouseEvent::MOUSE_PRESSED, x, y, clickCount, modifiers, false);
}

void JovComponentPeer::handleMouseMove(int x, int y, int modifiers, bool buttonDown) {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    const HWND self = window;
    const HWND previous = toolkit->getWindowUnderMouse();
    if (previous != self) {
        toolkit->setWindowUnderMouse(self);
        deliverMouseEvent(previous, JovMouseEvent::MOUSE_EXITED, 0, 0, 0, modifiers, false);
        deliverMouseEvent(self, JovMouseEvent::MOUSE_ENTERED, x, y, 0, modifiers, false);
    }
    const int id =
        buttonDown ? JovMouseEvent::MOUSE_MOTION_DRAGGED : JovMouseEvent::MOUSE_MOTION_MOVED;
    deliverMouseEvent(self, id, x, y, 0, modifiers, false);
}

void JovComponentPeer::deliverMouseEvent(WindowHandle target, int id, int x, int y, int clickCount,
                                         int modifiers, bool popupTrigger) {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    JovComponentPeer* peer = toolkit != nullptr ? toolkit->peerForWindow(target) : nullptr;
    if (peer == nullptr) {
        return;
    }
    JovMouseEvent event(peer->component, id, secondsNow(), modifiers, x, y, clickCount,
                        popupTrigger);
    peer->component->dispatchEvent(event);
}

void JovComponentPeer::exitWindowUnderMouse() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    const HWND previous = toolkit != nullptr ? toolkit->getWindowUnderMouse() : nullptr;
    if (previous == nullptr) {
        return;
    }
    toolkit->setWindowUnderMouse(nullptr);
    deliverMouseEvent(previous, JovMouseEvent::MOUSE_EXITED, 0, 0, 0,
                      JovMToolkit::currentModifiers(), false);
}

void JovComponentPeer::handleContextMenu(int screenX, int screenY) {
    // The keyboard asks without a position: the menu belongs at the component's corner.
    int x = 0;
    int y = 0;
    if (screenY != keyboardMenuY) {
        POINT point = {screenX, screenY};
        ScreenToClient(window, &point);
        x = point.x;
        y = point.y;
        toComponent(x, y);
    }
    deliverMouseEvent(window, JovMouseEvent::MOUSE_RELEASED, x, y, 1,
                      JovMToolkit::currentModifiers(), true);
}

void JovComponentPeer::handleFocus(bool gained) {
    JovFocusEvent event(component,
                        gained ? JovFocusEvent::FOCUS_GAINED : JovFocusEvent::FOCUS_LOST);
    component->dispatchEvent(event);
}

bool JovComponentPeer::handleTab(int modifiers) {
    JovComponent* top = component;
    while (top != nullptr && dynamic_cast<JovWindow*>(top) == nullptr) {
        top = top->getParent();
    }
    if (top != nullptr) {
        JovKeyEvent event(component, JovKeyEvent::KEY_PRESSED, secondsNow(), modifiers,
                          JovKeyEvent::KEY_TAB, '\t');
        top->dispatchEvent(event);
    }
    return true;
}

void JovComponentPeer::handleCommand(int) {
}

std::intptr_t JovComponentPeer::handleNotify(int, void*) {
    return 0;
}

void JovComponentPeer::handleScroll(int, int) {
}

void JovComponentPeer::handleMenuCommand(int commandId) {
    JovMenuPeer::performCommand(commandId);
}

std::intptr_t JovComponentPeer::handleControlColor(DeviceContext) {
    return 0;
}

void JovComponentPeer::handleEvent(JovAWTEvent&) {
}

std::intptr_t JovComponentPeer::handleControlMessage(WindowHandle control, unsigned int message,
                                                     std::uintptr_t wParam, std::intptr_t lParam) {
    return JovControlProcedure::passOn(control, message, wParam, lParam);
}

void JovComponentPeer::runDeferredWork() {
}

void JovComponentPeer::postDeferredWork() const {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit != nullptr && window != nullptr) {
        toolkit->postDeferredWork(this);
    }
}

void JovComponentPeer::eraseBackground(DeviceContext context) {
    if (isOpaque(component->getBackground())) {
        return;
    }
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = CreateSolidBrush(backgroundColor);
    FillRect(context, &client, brush);
    DeleteObject(brush);
}

void JovComponentPeer::windowMoved() {
    if (window == nullptr || IsIconic(window)) {
        return;
    }
    updateInsets();
    RECT outer;
    GetWindowRect(window, &outer);
    POINT origin = {outer.left, outer.top};
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        ScreenToClient(GetParent(window), &origin);
        const JovComponentPeer* parent = parentPeer();
        const JovInsets parentInsets = parent != nullptr ? parent->getInsets() : JovInsets();
        origin.x += parentInsets.left;
        origin.y += parentInsets.top;
    }
    if (component->storeBounds(origin.x, origin.y, outer.right - outer.left,
                               outer.bottom - outer.top)) {
        component->invalidate();
        component->validate();
    }
}

void JovComponentPeer::toComponent(int& x, int& y) const {
    x += insets.left;
    y += insets.top;
}

JovString JovComponentPeer::toString() const {
    return "ool.awt.windows.JovComponentPeer";
}
