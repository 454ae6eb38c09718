// The library's procedure on the system's controls and the table of their own procedures.

#include "awt/windows/JovControlProcedure.h"

#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovMToolkit.h"
#include "awt/windows/JovWindowProcedure.h"

#include <mutex>
#include <unordered_map>

namespace {

struct Control {
    WNDPROC own;
    // The window whose peer sees the control's messages, or null.
    HWND peerWindow;
};

// Controls are made and used on the window thread; the lock only keeps the table whole.
std::mutex tableLock;

std::unordered_map<HWND, Control>& controls() {
    static std::unordered_map<HWND, Control> table;
    return table;
}

Control controlOf(HWND control) {
    const std::lock_guard<std::mutex> guard(tableLock);
    const auto found = controls().find(control);
    return found != controls().end() ? found->second : Control{nullptr, nullptr};
}

// The control's own procedure answers from here on; the entry goes.
WNDPROC forget(HWND control) {
    const std::lock_guard<std::mutex> guard(tableLock);
    const auto found = controls().find(control);
    if (found == controls().end()) {
        return nullptr;
    }
    const WNDPROC own = found->second.own;
    controls().erase(found);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    return own;
}

} // namespace

void JovControlProcedure::install(HWND control) {
    const std::lock_guard<std::mutex> guard(tableLock);
    if (control == nullptr || controls().count(control) > 0) {
        return;
    }
    const auto own = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&handle)));
    if (own != nullptr) {
        controls()[control] = Control{own, nullptr};
    }
}

void JovControlProcedure::showMessagesToPeer(HWND control, HWND peerWindow) {
    const std::lock_guard<std::mutex> guard(tableLock);
    const auto found = controls().find(control);
    if (found != controls().end()) {
        found->second.peerWindow = peerWindow;
    }
}

LRESULT JovControlProcedure::passOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC own = controlOf(control).own;
    return own != nullptr ? CallWindowProcA(own, control, message, wParam, lParam)
                          : DefWindowProcA(control, message, wParam, lParam);
}

LRESULT CALLBACK JovControlProcedure::handle(HWND control, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        const WNDPROC own = forget(control);
        return own != nullptr ? CallWindowProcA(own, control, message, wParam, lParam)
                              : DefWindowProcA(control, message, wParam, lParam);
    }
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    // Looked up on every message: the peer may have gone while its control still lives.
    const HWND peerWindow = controlOf(control).peerWindow;
    JovComponentPeer* peer =
        toolkit != nullptr && peerWindow != nullptr ? toolkit->peerForWindow(peerWindow) : nullptr;
    const LRESULT result = peer != nullptr
                               ? peer->handleControlMessage(control, message, wParam, lParam)
                               : passOn(control, message, wParam, lParam);
    if ((message == WM_SETFOCUS || message == WM_KILLFOCUS) && toolkit != nullptr) {
        toolkit->focusMovedTo(JovWindowProcedure::focusDestination(control, message, wParam));
    }
    return result;
}
