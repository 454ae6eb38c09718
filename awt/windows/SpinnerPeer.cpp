// The up/down control of the date spinner. Its range and position are only there because the
// control needs them: every click is turned into a day step and the position never moves.

#include "awt/windows/SpinnerPeer.h"

#include "awt/Spinner.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

#include <commctrl.h>

namespace {
constexpr int upDownMinimum = 0;
constexpr int upDownMaximum = 10;
} // namespace

SpinnerPeer::SpinnerPeer(Spinner* spinner) : JovContainerPeer(spinner) {
}

void SpinnerPeer::initialize() {
    JovContainerPeer::initialize();
    upDown = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, getWindow(),
                             nullptr, JovMToolkit::getToolkit()->getInstance(), nullptr);
    if (upDown == nullptr) {
        return;
    }
    SendMessageA(upDown, UDM_SETRANGE32, upDownMinimum, upDownMaximum);
    SendMessageA(upDown, UDM_SETPOS32, 0, upDownMinimum);
    EnableWindow(upDown, getComponent()->isEnabled() ? TRUE : FALSE);
    placeUpDown(getComponent()->getWidth(), getComponent()->getHeight());
}

void SpinnerPeer::setBounds(int x, int y, int width, int height) {
    JovContainerPeer::setBounds(x, y, width, height);
    placeUpDown(width, height);
}

void SpinnerPeer::setEnabled(bool enabled) {
    JovContainerPeer::setEnabled(enabled);
    if (upDown != nullptr) {
        EnableWindow(upDown, enabled ? TRUE : FALSE);
    }
}

void SpinnerPeer::placeUpDown(int width, int height) {
    if (upDown == nullptr) {
        return;
    }
    SetWindowPos(upDown, nullptr, width - Spinner::UP_DOWN_WIDTH, 0, Spinner::UP_DOWN_WIDTH, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

JovString SpinnerPeer::toString() const {
    return "ool.awt.windows.SpinnerPeer";
}
