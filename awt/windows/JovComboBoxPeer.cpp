#include "awt/windows/JovComboBoxPeer.h"

#include "awt/JovComboBox.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovControlProcedure.h"
#include "awt/windows/JovMToolkit.h"

#include <ctime>

namespace {

// The edit field's own window procedure, kept as a window property of the field.
constexpr const char* originalProcedure = "JovComboBoxPeer.edit";
constexpr WPARAM escapeCharacter = 27;

bool isTakenCharacter(WPARAM character) {
    return character == '\t' || character == '\r' || character == escapeCharacter;
}

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
    const LONG_PTR original =
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&editProcedure));
    SetPropA(edit, originalProcedure, reinterpret_cast<HANDLE>(original));
    JovControlProcedure::install(edit);
}

bool JovComboBoxPeer::forwardKey(HWND edit, WPARAM key) {
    if (key != VK_RETURN && key != VK_ESCAPE) {
        return false;
    }
    // Looked up on every key: the combo box may have lost its peer in the meantime.
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    JovComponentPeer* peer = toolkit != nullptr ? toolkit->peerForWindow(GetParent(edit)) : nullptr;
    if (peer == nullptr) {
        return true;
    }
    JovKeyEvent event(peer->getComponent(), JovKeyEvent::KEY_PRESSED,
                      static_cast<long>(std::time(nullptr)), JovMToolkit::currentModifiers(),
                      static_cast<int>(key), static_cast<char>(key));
    peer->getComponent()->dispatchEvent(event);
    return true;
}

LRESULT CALLBACK JovComboBoxPeer::editProcedure(HWND edit, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(edit, originalProcedure));
    if (message == WM_KEYDOWN && wParam == VK_TAB) {
        JovMToolkit* toolkit = JovMToolkit::getToolkit();
        JovComponentPeer* peer =
            toolkit != nullptr ? toolkit->peerForWindow(GetParent(edit)) : nullptr;
        if (peer != nullptr) {
            peer->handleTab(JovMToolkit::currentModifiers());
        }
        return 0;
    }
    if (message == WM_KEYDOWN && forwardKey(edit, wParam)) {
        return 0;
    }
    if (message == WM_CHAR && isTakenCharacter(wParam)) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(edit, originalProcedure);
    }
    return CallWindowProcA(original, edit, message, wParam, lParam);
}

bool JovComboBoxPeer::handleTab(int modifiers) {
    return JovComponentPeer::handleTab(modifiers);
}

JovString JovComboBoxPeer::toString() const {
    return "ool.awt.windows.JovComboBoxPeer";
}
