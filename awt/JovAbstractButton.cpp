#include "awt/JovAbstractButton.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovKeyStroke.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovComponentPeer.h"

JovAbstractButton::JovAbstractButton(const JovString& label)
    : label(label), commandSet(false), armed(false), actionListeners(nullptr) {
}

JovAbstractButton::~JovAbstractButton() {
    JovAWTEventMulticaster::remove(actionListeners, nullptr);
}

void JovAbstractButton::setLabel(const JovString& newLabel) {
    label = newLabel;
    if (getPeer() != nullptr) {
        getPeer()->setText(newLabel);
    }
    invalidate();
}

void JovAbstractButton::setActionCommand(const JovString& command) {
    actionCommand = command;
    commandSet = true;
}

JovString JovAbstractButton::getActionCommand() const {
    return commandSet ? actionCommand : label;
}

void JovAbstractButton::setAccelerator(JovKeyStroke* keyStroke) {
    accelerator.reset(keyStroke);
}

void JovAbstractButton::addActionListener(JovActionListener* listener) {
    actionListeners = JovAWTEventMulticaster::add(actionListeners, listener);
}

void JovAbstractButton::removeActionListener(JovActionListener* listener) {
    if (listener != nullptr) {
        actionListeners = JovAWTEventMulticaster::remove(actionListeners, listener);
    }
}

int JovAbstractButton::getActionListenerCount() const {
    return JovAWTEventMulticaster::count(actionListeners);
}

void JovAbstractButton::doClick() {
    fireActionPerformed();
}

void JovAbstractButton::controlClicked() {
    fireActionPerformed();
}

void JovAbstractButton::fireActionPerformed() {
    if (actionListeners == nullptr) {
        return;
    }
    JovActionEvent event(this, JovActionEvent::ACTION_PERFORMED, getActionCommand());
    actionListeners->actionPerformed(event);
}

void JovAbstractButton::processMouseEvent(JovMouseEvent& event) {
    JovComponent::processMouseEvent(event);
    if (event.getID() == JovMouseEvent::MOUSE_PRESSED && !event.isPopupTrigger()) {
        armed = true;
    } else if (event.getID() == JovMouseEvent::MOUSE_RELEASED && armed) {
        armed = false;
        if (isEnabled()) {
            controlClicked();
        }
    }
}

void JovAbstractButton::processKeyEvent(JovKeyEvent& event) {
    JovComponent::processKeyEvent(event);
    if (event.isConsumed() || !isEnabled()) {
        return;
    }
    const bool focusedEnter = clicksOnEnter() && event.getID() == JovKeyEvent::KEY_PRESSED &&
                              event.getKeyCode() == JovKeyEvent::KEY_ENTER &&
                              event.getSource() == this;
    const bool acceleratorKey = accelerator && accelerator->matches(event);
    if (!focusedEnter && !acceleratorKey) {
        return;
    }
    event.consume();
    doClick();
}

JovString JovAbstractButton::labelledText(const char* className) const {
    return JovString("ool.awt.") + className + "[,label=" + label + "]";
}

JovString JovAbstractButton::toString() const {
    return labelledText("JovAbstractButton");
}
