// The message table of the library's window procedure and one handler per message.

#include "awt/windows/JovWindowProcedure.h"

#include "awt/JovComponent.h"
#include "awt/Spinner.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

namespace {

using Handler = LRESULT (*)(JovComponentPeer& peer, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);

struct Route {
    UINT message;
    Handler handler;
};

constexpr int clickedNotification = BN_CLICKED;
constexpr int comboEditChanged = CBN_EDITCHANGE;
constexpr int editChanged = EN_CHANGE;
constexpr int singleClick = 1;
constexpr int doubleClick = 2;

JovMToolkit& toolkit() {
    return *JovMToolkit::getToolkit();
}

LRESULT defaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void sendWindowEvent(JovComponentPeer& peer, int id) {
    JovWindowEvent event(peer.getComponent(), id);
    peer.getComponent()->dispatchEvent(event);
}

int mouseModifiers(WPARAM wParam) {
    int modifiers = 0;
    if ((wParam & MK_SHIFT) != 0) {
        modifiers |= JovKeyEvent::SHIFT_MASK;
    }
    if (GetKeyState(VK_MENU) < 0) {
        modifiers |= JovKeyEvent::ALT_MASK;
    }
    if ((wParam & MK_CONTROL) != 0) {
        modifiers |= JovKeyEvent::CTRL_MASK;
    }
    return modifiers;
}

struct ComponentPoint {
    int x;
    int y;
};

ComponentPoint componentPoint(const JovComponentPeer& peer, LPARAM lParam) {
    ComponentPoint point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    peer.toComponent(point.x, point.y);
    return point;
}

bool cursorOverLibraryWindow() {
    POINT cursor;
    GetCursorPos(&cursor);
    return toolkit().isLibraryWindow(WindowFromPoint(cursor));
}

LRESULT onCreate(JovComponentPeer&, HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

// A window still registered when it is destroyed went with its parent or owner.
LRESULT onDestroy(JovComponentPeer& peer, HWND, UINT, WPARAM, LPARAM) {
    peer.windowLost();
    return 0;
}

LRESULT onActivate(JovComponentPeer& peer, HWND window, UINT message, WPARAM wParam,
                   LPARAM lParam) {
    const bool active = LOWORD(wParam) != WA_INACTIVE;
    sendWindowEvent(peer,
                    active ? JovWindowEvent::WINDOW_ACTIVATED : JovWindowEvent::WINDOW_DEACTIVATED);
    // The default gives the activated window the keyboard focus.
    return defaultProcedure(window, message, wParam, lParam);
}

LRESULT onFocus(JovComponentPeer&, HWND window, UINT message, WPARAM wParam, LPARAM) {
    toolkit().focusMovedTo(JovWindowProcedure::focusDestination(window, message, wParam));
    return 0;
}

LRESULT onPaint(JovComponentPeer& peer, HWND window, UINT, WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(window, &paint);
    peer.paint(context);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onClose(JovComponentPeer& peer, HWND, UINT, WPARAM, LPARAM) {
    sendWindowEvent(peer, JovWindowEvent::WINDOW_CLOSING);
    return 0;
}

LRESULT onEraseBackground(JovComponentPeer& peer, HWND, UINT, WPARAM wParam, LPARAM) {
    peer.eraseBackground(reinterpret_cast<HDC>(wParam));
    return 1;
}

LRESULT onShowWindow(JovComponentPeer& peer, HWND window, UINT message, WPARAM wParam,
                     LPARAM lParam) {
    // Only a ShowWindow call counts (lParam 0): an owner being minimised hides its owned windows
    // as well, and that is no close request.
    if (wParam != FALSE) {
        sendWindowEvent(peer, JovWindowEvent::WINDOW_OPENED);
    } else if (lParam == 0) {
        sendWindowEvent(peer, JovWindowEvent::WINDOW_CLOSING);
    }
    return defaultProcedure(window, message, wParam, lParam);
}

LRESULT onCancelMode(JovComponentPeer&, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReleaseCapture();
    return defaultProcedure(window, message, wParam, lParam);
}

LRESULT onDrawItem(JovComponentPeer&, HWND, UINT, WPARAM, LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    JovComponentPeer* control = toolkit().peerForWindow(item->hwndItem);
    if (control != nullptr) {
        control->paint(item->hDC);
    }
    return TRUE;
}

LRESULT onWindowPosChanged(JovComponentPeer& peer, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam) {
    if (IsIconic(window)) {
        sendWindowEvent(peer, JovWindowEvent::WINDOW_ICONIFIED);
    }
    // Looked up again: a listener of the event may have removed the component.
    JovComponentPeer* current = toolkit().peerForWindow(window);
    if (current != nullptr) {
        current->windowMoved();
    }
    return defaultProcedure(window, message, wParam, lParam);
}

// The up/down control of a spinner reports to the spinner's window; answering non-zero keeps the
// control's own position, which the spinner does not use.
LRESULT stepSpinner(JovComponentPeer& peer, NMHDR* header) {
    auto* spinner = dynamic_cast<Spinner*>(peer.getComponent());
    if (spinner == nullptr) {
        return 0;
    }
    spinner->step(reinterpret_cast<NMUPDOWN*>(header)->iDelta);
    return 1;
}

LRESULT onNotify(JovComponentPeer& peer, HWND, UINT, WPARAM, LPARAM lParam) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == UDN_DELTAPOS) {
        return stepSpinner(peer, header);
    }
    JovComponentPeer* control = toolkit().peerForWindow(header->hwndFrom);
    if (control == nullptr) {
        return 0;
    }
    return control->handleNotify(static_cast<int>(header->code), header);
}

LRESULT onContextMenu(JovComponentPeer& peer, HWND, UINT, WPARAM wParam, LPARAM lParam) {
    JovComponentPeer* clicked = toolkit().peerForWindow(reinterpret_cast<HWND>(wParam));
    JovComponentPeer& target = clicked != nullptr ? *clicked : peer;
    target.handleContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return 0;
}

void sendTextChanged(JovComponentPeer& control) {
    DocumentEvent event(control.getComponent(), control.getText());
    control.getComponent()->dispatchEvent(event);
}

void sendClick(HWND control) {
    const int modifiers = JovMToolkit::currentModifiers();
    JovComponentPeer::deliverMouseEvent(control, JovMouseEvent::MOUSE_PRESSED, 0, 0, singleClick,
                                        modifiers, false);
    JovComponentPeer::deliverMouseEvent(control, JovMouseEvent::MOUSE_RELEASED, 0, 0, singleClick,
                                        modifiers, false);
}

LRESULT onCommand(JovComponentPeer& peer, HWND, UINT, WPARAM wParam, LPARAM lParam) {
    const auto controlWindow = reinterpret_cast<HWND>(lParam);
    if (controlWindow == nullptr) {
        peer.handleMenuCommand(LOWORD(wParam));
        return 0;
    }
    JovComponentPeer* control = toolkit().peerForWindow(controlWindow);
    if (control == nullptr) {
        return 0;
    }
    const int notification = HIWORD(wParam);
    if (notification == clickedNotification) {
        sendClick(controlWindow);
    } else if (notification == comboEditChanged || notification == editChanged) {
        sendTextChanged(*control);
    } else {
        control->handleCommand(notification);
    }
    return 0;
}

// Controls ask their parent for their colours; the control's own peer answers.
LRESULT onControlColor(JovComponentPeer&, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    JovComponentPeer* control = toolkit().peerForWindow(reinterpret_cast<HWND>(lParam));
    const std::intptr_t brush =
        control != nullptr ? control->handleControlColor(reinterpret_cast<HDC>(wParam)) : 0;
    return brush != 0 ? brush : defaultProcedure(window, message, wParam, lParam);
}

LRESULT onScroll(JovComponentPeer&, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto bar = reinterpret_cast<HWND>(lParam);
    JovComponentPeer* scrollBar = toolkit().peerForWindow(bar);
    if (scrollBar == nullptr) {
        return defaultProcedure(window, message, wParam, lParam);
    }
    scrollBar->handleScroll(LOWORD(wParam), HIWORD(wParam));
    return 0;
}

LRESULT onMouseMove(JovComponentPeer& peer, HWND window, UINT, WPARAM wParam, LPARAM lParam) {
    const ComponentPoint point = componentPoint(peer, lParam);
    peer.handleMouseMove(point.x, point.y, mouseModifiers(wParam), (wParam & MK_LBUTTON) != 0);
    JovMToolkit& library = toolkit();
    if (library.getWindowUnderMouse() != nullptr && library.getHoverTimerWindow() == nullptr &&
        SetTimer(window, JovMToolkit::HOVER_TIMER_ID, JovMToolkit::HOVER_PERIOD, nullptr) != 0) {
        library.setHoverTimerWindow(window);
    }
    return 0;
}

// While the mouse is over library windows their own moves track it; the timer catches it
// leaving for a window of another program, which sends no message here.
LRESULT onTimer(JovComponentPeer&, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != JovMToolkit::HOVER_TIMER_ID) {
        return defaultProcedure(window, message, wParam, lParam);
    }
    JovMToolkit& library = toolkit();
    if (library.getWindowUnderMouse() != nullptr && cursorOverLibraryWindow()) {
        return 0;
    }
    KillTimer(window, JovMToolkit::HOVER_TIMER_ID);
    library.setHoverTimerWindow(nullptr);
    JovComponentPeer::exitWindowUnderMouse();
    return 0;
}

LRESULT onNonClientMouseMove(JovComponentPeer&, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam) {
    JovComponentPeer::exitWindowUnderMouse();
    return defaultProcedure(window, message, wParam, lParam);
}

LRESULT onButtonDown(JovComponentPeer& peer, HWND window, UINT, WPARAM wParam, LPARAM lParam) {
    const ComponentPoint point = componentPoint(peer, lParam);
    SetCapture(window);
    peer.handleMousePress(point.x, point.y, singleClick, mouseModifiers(wParam));
    return 0;
}

LRESULT onButtonUp(JovComponentPeer& peer, HWND window, UINT, WPARAM wParam, LPARAM lParam) {
    const ComponentPoint point = componentPoint(peer, lParam);
    const int modifiers = mouseModifiers(wParam);
    JovComponentPeer::deliverMouseEvent(window, JovMouseEvent::MOUSE_RELEASED, point.x, point.y,
                                        singleClick, modifiers, false);
    if (cursorOverLibraryWindow()) {
        JovComponentPeer::deliverMouseEvent(window, JovMouseEvent::MOUSE_CLICKED, point.x, point.y,
                                            singleClick, modifiers, false);
    }
    ReleaseCapture();
    return 0;
}

LRESULT onButtonDoubleClick(JovComponentPeer& peer, HWND, UINT, WPARAM wParam, LPARAM lParam) {
    const ComponentPoint point = componentPoint(peer, lParam);
    peer.handleMousePress(point.x, point.y, doubleClick, mouseModifiers(wParam));
    return 0;
}

constexpr Route routes[] = {
    {WM_CREATE, onCreate},
    {WM_DESTROY, onDestroy},
    {WM_ACTIVATE, onActivate},
    {WM_SETFOCUS, onFocus},
    {WM_KILLFOCUS, onFocus},
    {WM_PAINT, onPaint},
    {WM_CLOSE, onClose},
    {WM_ERASEBKGND, onEraseBackground},
    {WM_SHOWWINDOW, onShowWindow},
    {WM_CANCELMODE, onCancelMode},
    {WM_DRAWITEM, onDrawItem},
    {WM_WINDOWPOSCHANGED, onWindowPosChanged},
    {WM_NOTIFY, onNotify},
    {WM_CONTEXTMENU, onContextMenu},
    {WM_COMMAND, onCommand},
    {WM_CTLCOLORSTATIC, onControlColor},
    {WM_CTLCOLOREDIT, onControlColor},
    {WM_HSCROLL, onScroll},
    {WM_VSCROLL, onScroll},
    {WM_MOUSEMOVE, onMouseMove},
    {WM_TIMER, onTimer},
    {WM_NCMOUSEMOVE, onNonClientMouseMove},
    {WM_LBUTTONDOWN, onButtonDown},
    {WM_LBUTTONUP, onButtonUp},
    {WM_LBUTTONDBLCLK, onButtonDoubleClick},
};

} // namespace

LRESULT CALLBACK JovWindowProcedure::handle(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    JovMToolkit* library = JovMToolkit::getToolkit();
    if (library == nullptr) {
        return defaultProcedure(window, message, wParam, lParam);
    }
    if (window == library->getToolkitWindow()) {
        return library->handleToolkitMessage(message, wParam, lParam);
    }
    JovComponentPeer* peer = library->peerForWindow(window);
    if (peer == nullptr) {
        return defaultProcedure(window, message, wParam, lParam);
    }
    for (const Route& route : routes) {
        if (route.message == message) {
            return route.handler(*peer, window, message, wParam, lParam);
        }
    }
    return defaultProcedure(window, message, wParam, lParam);
}

// WM_SETFOCUS comes to the window that got the focus; WM_KILLFOCUS names the one getting it.
HWND JovWindowProcedure::focusDestination(HWND window, UINT message, WPARAM wParam) {
    return message == WM_SETFOCUS ? window : reinterpret_cast<HWND>(wParam);
}
