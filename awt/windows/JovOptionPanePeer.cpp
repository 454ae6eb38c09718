#include "awt/windows/JovOptionPanePeer.h"

#include "awt/JovContainer.h"
#include "awt/JovOptionPane.h"
#include "awt/JovWindow.h"

#include <windows.h>

JovOptionPanePeer::JovOptionPanePeer(JovOptionPane* pane) : JovComponentPeer(pane), pane(pane) {
}

unsigned long JovOptionPanePeer::windowStyle() const {
    return WS_POPUP;
}

JovComponentPeer::WindowHandle JovOptionPanePeer::parentWindow() const {
    return ownerWindow();
}

JovRectangle JovOptionPanePeer::windowBounds(int, int, int, int) const {
    return JovRectangle();
}

JovComponentPeer::WindowHandle JovOptionPanePeer::ownerWindow() const {
    JovComponent* top = pane->getParentComponent();
    while (top != nullptr && dynamic_cast<JovWindow*>(top) == nullptr) {
        top = top->getParent();
    }
    if (top == nullptr || top->getPeer() == nullptr) {
        return nullptr;
    }
    return top->getPeer()->getWindow();
}

int JovOptionPanePeer::showBox() {
    return showBox(ownerWindow(), pane->getMessage(), pane->getTitle(), pane->getMessageType());
}

int JovOptionPanePeer::showBox(WindowHandle owner, const JovString& message, const JovString& title,
                               int type) {
    return answerOf(MessageBoxA(owner, message.chars(), title.chars(), boxStyle(type)));
}

unsigned JovOptionPanePeer::boxStyle(int type) {
    switch (type) {
    case JovOptionPane::ERROR_MESSAGE:
        return MB_ICONHAND | MB_OK;
    case JovOptionPane::INFORMATION_MESSAGE:
        return MB_ICONASTERISK | MB_OK;
    case JovOptionPane::WARNING_MESSAGE:
        return MB_ICONEXCLAMATION | MB_OK;
    case JovOptionPane::QUESTION_MESSAGE:
        return MB_ICONQUESTION | MB_YESNO;
    default:
        return MB_OK;
    }
}

int JovOptionPanePeer::answerOf(int pressedButton) {
    switch (pressedButton) {
    case IDYES:
        return JovOptionPane::YES_OPTION;
    case IDNO:
        return JovOptionPane::NO_OPTION;
    case IDOK:
        return JovOptionPane::OK_OPTION;
    case IDABORT:
        return JovOptionPane::ABORT_OPTION;
    default:
        return JovOptionPane::CLOSED_OPTION;
    }
}

JovString JovOptionPanePeer::toString() const {
    return "ool.awt.windows.JovOptionPanePeer";
}
