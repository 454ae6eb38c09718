#include "awt/windows/JovComboBoxPeer.h"

#include "awt/JovComboBox.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovControlProcedure.h"
#include "awt/windows/JovMToolkit.h"

#include <ctime>

namespace {

constexpr std::uintptr_t escapeCharacter = 27;

} // namespace

JovComboBoxPeer::JovComboBoxPeer(JovComboBox* comboBox)
    : JovChoicePeer(comboBox), comboBox(comboBox) {
}

unsigned long JovComboBoxPeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VSCROLL | CBS_DROPDOWN |
           CBS_AUTOHSCROLL | visibleStyle();
}

JovString JovComboBoxPeer::windowTitle() const {
    return comboBox->getText();
}

void JovComboBoxPeer::initialize() {
    JovChoicePeer::initialize();
    setText(comboBox->getText());
    watchEditField();
}

void JovComboBoxPeer::watchEditField() {
    HWND edit = FindWindowExA(getWindow(), nullptr, "EDIT", nullptr);
    if (edit == nullptr) {
        return;
    }
    JovControlProcedure::install(edit);
    JovControlProcedure::showMessagesToPeer(edit, getWindow());
}

std::intptr_t JovComboBoxPeer::handleControlMessage(WindowHandle control, unsigned int message,
                                                    std::uintptr_t wParam, std::intptr_t lParam) {
    if (control != getWindow() && isTakenKey(message, wParam)) {
        if (message == WM_KEYDOWN) {
            takeKey(wParam);
        }
        return 0;
    }
    return JovControlProcedure::passOn(control, message, wParam, lParam);
}

bool JovComboBoxPeer::isTakenKey(unsigned int message, std::uintptr_t key) {
    if (message == WM_KEYDOWN) {
        return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE;
    }
    return message == WM_CHAR && (key == '\t' || key == '\r' || key == escapeCharacter);
}

void JovComboBoxPeer::takeKey(std::uintptr_t key) {
    if (key == VK_TAB) {
        handleTab(JovMToolkit::currentModifiers());
        return;
    }
    // Enter and Escape reach the combo box's key listeners.
    JovKeyEvent event(getComponent(), JovKeyEvent::KEY_PRESSED,
                      static_cast<long>(std::time(nullptr)), JovMToolkit::currentModifiers(),
                      static_cast<int>(key), static_cast<char>(key));
    getComponent()->dispatchEvent(event);
}

bool JovComboBoxPeer::handleTab(int modifiers) {
    return JovComponentPeer::handleTab(modifiers);
}

JovString JovComboBoxPeer::toString() const {
    return "ool.awt.windows.JovComboBoxPeer";
}
