#include "awt/JovTextField.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovTextFieldPeer.h"

JovTextField::JovTextField(const JovString& text) : JovTextField(text, 0) {
}

JovTextField::JovTextField(const JovString& text, int columns)
    : JovTextComponent(text), alignment(LEFT), echoChar(0), columns(columns > 0 ? columns : 0),
      commandSet(false), actionListeners(nullptr) {
}

JovTextField::~JovTextField() {
    JovAWTEventMulticaster::remove(actionListeners, nullptr);
}

void JovTextField::setHorizontalAlignment(int newAlignment) {
    alignment = newAlignment == CENTER || newAlignment == RIGHT ? newAlignment : LEFT;
}

void JovTextField::setEchoChar(char echo) {
    echoChar = echo;
    if (auto* peer = getPeerAs<JovTextFieldPeer>()) {
        peer->setEchoChar(echo);
    }
}

void JovTextField::setColumns(int newColumns) {
    columns = newColumns > 0 ? newColumns : 0;
    invalidate();
}

void JovTextField::setActionCommand(const JovString& command) {
    actionCommand = command;
    commandSet = true;
}

JovString JovTextField::getActionCommand() const {
    return commandSet ? actionCommand : getText();
}

void JovTextField::addActionListener(JovActionListener* listener) {
    actionListeners = JovAWTEventMulticaster::add(actionListeners, listener);
}

void JovTextField::removeActionListener(JovActionListener* listener) {
    if (listener != nullptr) {
        actionListeners = JovAWTEventMulticaster::remove(actionListeners, listener);
    }
}

void JovTextField::processKeyEvent(JovKeyEvent& event) {
    JovTextComponent::processKeyEvent(event);
    if (event.isConsumed() || event.getID() != JovKeyEvent::KEY_PRESSED ||
        event.getKeyCode() != JovKeyEvent::KEY_ENTER || event.getSource() != this ||
        actionListeners == nullptr) {
        return;
    }
    event.consume();
    JovActionEvent action(this, JovActionEvent::ACTION_PERFORMED, getActionCommand());
    actionListeners->actionPerformed(action);
}

JovString JovTextField::toString() const {
    return textForm("JovTextField");
}
