#include "awt/windows/JovComboBoxPeer.h"

#include "awt/JovComboBox.h"
#include "awt/windows/JovControlProcedure.h"
#include "awt/windows/JovMToolkit.h"

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
    // The message loop has offered the keys to the combo box and its window already; what
    // nobody took stays out of the field.
    if (control != getWindow() && isTakenKey(message, wParam)) {
        if (message == WM_KEYDOWN && wParam == VK_TAB) {
            handleTab(JovMToolkit::currentModifiers());
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

bool JovComboBoxPeer::handleTab(int modifiers) {
    return JovComponentPeer::handleTab(modifiers);
}

JovString JovComboBoxPeer::toString() const {
    return "ool.awt.windows.JovComboBoxPeer";
}
