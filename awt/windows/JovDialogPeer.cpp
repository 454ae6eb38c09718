// The dialog peer's window and the nested modal loops.

#include "awt/windows/JovDialogPeer.h"

#include "awt/JovDialog.h"
#include "awt/windows/JovMToolkit.h"
#include "lang/JovReference.h"

#include <windows.h>

namespace {

struct ModalPass {
    JovMToolkit* toolkit;
    HWND dialog;
    int depth;
};

JovDialogPeer* dialogPeerOf(JovMToolkit* toolkit, HWND window) {
    return dynamic_cast<JovDialogPeer*>(toolkit->peerForWindow(window));
}

// Top level of the thread, but not a popup: the main windows, not the other dialogs or menus.
BOOL CALLBACK disableMainWindow(HWND window, LPARAM parameter) {
    const auto* pass = reinterpret_cast<const ModalPass*>(parameter);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (window != pass->dialog && (style & (WS_CHILD | WS_POPUP)) == 0) {
        EnableWindow(window, FALSE);
    }
    return TRUE;
}

BOOL CALLBACK disableOpenDialog(HWND window, LPARAM parameter) {
    const auto* pass = reinterpret_cast<const ModalPass*>(parameter);
    JovDialogPeer* peer = dialogPeerOf(pass->toolkit, window);
    if (window != pass->dialog && peer != nullptr && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        peer->setDisabledAtDepth(pass->depth);
    }
    return TRUE;
}

BOOL CALLBACK enableTopLevelWindow(HWND window, LPARAM) {
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
        EnableWindow(window, TRUE);
    }
    return TRUE;
}

BOOL CALLBACK enableMarkedDialog(HWND window, LPARAM parameter) {
    const auto* pass = reinterpret_cast<const ModalPass*>(parameter);
    JovDialogPeer* peer = dialogPeerOf(pass->toolkit, window);
    if (peer != nullptr && peer->getDisabledAtDepth() == pass->depth) {
        peer->setDisabledAtDepth(JovDialogPeer::NOT_DISABLED);
        EnableWindow(window, TRUE);
        SetFocus(window);
    }
    return TRUE;
}

} // namespace

JovDialogPeer::JovDialogPeer(JovDialog* dialog)
    : JovWindowPeer(dialog), dialog(dialog), disabledAtDepth(NOT_DISABLED),
      modalLoopRunning(false) {
}

const char* JovDialogPeer::windowClass() const {
    return JovMToolkit::DIALOG_CLASS;
}

unsigned long JovDialogPeer::windowStyle() const {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | DS_MODALFRAME |
           DS_3DLOOK;
}

unsigned long JovDialogPeer::windowExStyle() const {
    return WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
}

JovString JovDialogPeer::windowTitle() const {
    return dialog->getTitle();
}

void JovDialogPeer::runModalLoop() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    const HWND self = getWindow();
    if (toolkit == nullptr || self == nullptr || modalLoopRunning) {
        return;
    }
    // The dialog may be disposed while its loop runs; this peer must outlive the loop. Peers
    // are counted on the UI thread only, so this reference does not race with their holders.
    const JovReference<JovDialogPeer> held(this);
    const HWND owner = GetWindow(self, GW_OWNER);
    const int depth = toolkit->getModalDepth();
    ModalPass pass = {toolkit, self, depth};
    EnumThreadWindows(toolkit->getUiThreadId(), depth == 0 ? disableMainWindow : disableOpenDialog,
                      reinterpret_cast<LPARAM>(&pass));
    toolkit->setModalDepth(depth + 1);
    modalLoopRunning = true;
    pumpUntilEnded();
    toolkit->setModalDepth(depth);
    if (depth == 0) {
        EnumThreadWindows(toolkit->getUiThreadId(), enableTopLevelWindow, 0);
        // The dialog was hidden while its owner was disabled, so no window got activated.
        if (owner != nullptr && IsWindow(owner)) {
            SetActiveWindow(owner);
        }
    } else {
        EnumThreadWindows(toolkit->getUiThreadId(), enableMarkedDialog,
                          reinterpret_cast<LPARAM>(&pass));
    }
}

void JovDialogPeer::pumpUntilEnded() {
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    bool quitRequested = false;
    WPARAM exitCode = 0;
    MSG message;
    while (modalLoopRunning) {
        const BOOL fetched = GetMessageA(&message, nullptr, 0, 0);
        if (fetched == -1) {
            break;
        }
        if (fetched == 0) {
            // A quit does not end a modal loop; the main loop gets it afterwards.
            quitRequested = true;
            exitCode = message.wParam;
            continue;
        }
        toolkit->handleMessage(message);
    }
    if (quitRequested) {
        PostQuitMessage(static_cast<int>(exitCode));
    }
}

void JovDialogPeer::endModalLoop() {
    if (!modalLoopRunning) {
        return;
    }
    modalLoopRunning = false;
    // Wakes the loop's GetMessage when the request came from another thread.
    JovMToolkit* toolkit = JovMToolkit::getToolkit();
    if (toolkit != nullptr) {
        PostThreadMessageA(toolkit->getUiThreadId(), WM_NULL, 0, 0);
    }
}

JovString JovDialogPeer::toString() const {
    return "ool.awt.windows.JovDialogPeer";
}
