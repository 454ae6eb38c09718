#include "awt/JovChoice.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovChoicePeer.h"
#include "io/JovPrintWriter.h"

JovChoice::JovChoice() : selectedIndex(NO_SELECTION), actionListeners(nullptr) {
}

JovChoice::~JovChoice() {
    JovAWTEventMulticaster::remove(actionListeners, nullptr);
}

void JovChoice::addItem(const JovString& item) {
    items.addElement(item);
    if (auto* peer = getPeerAs<JovChoicePeer>()) {
        peer->addItem(item);
    }
    invalidate();
}

void JovChoice::removeItemAt(int index) {
    if (!isItemIndex(index)) {
        JovPrintWriter::standardError().println(JovString("JovChoice: no item ") +
                                                JovString::valueOf(index));
        return;
    }
    items.removeElementAt(index);
    if (selectedIndex == index) {
        selectedIndex = NO_SELECTION;
    } else if (selectedIndex > index) {
        --selectedIndex;
    }
    if (auto* peer = getPeerAs<JovChoicePeer>()) {
        peer->removeItem(index);
        peer->select(selectedIndex);
    }
}

void JovChoice::removeAll() {
    items.removeAllElements();
    selectedIndex = NO_SELECTION;
    if (auto* peer = getPeerAs<JovChoicePeer>()) {
        peer->removeAll();
    }
}

JovString JovChoice::getItem(int index) const {
    return isItemIndex(index) ? items.elementAt(index)->toString() : JovString();
}

void JovChoice::select(int index) {
    selectedIndex = isItemIndex(index) ? index : NO_SELECTION;
    if (auto* peer = getPeerAs<JovChoicePeer>()) {
        peer->select(selectedIndex);
    }
}

void JovChoice::addActionListener(JovActionListener* listener) {
    actionListeners = JovAWTEventMulticaster::add(actionListeners, listener);
}

void JovChoice::removeActionListener(JovActionListener* listener) {
    if (listener != nullptr) {
        actionListeners = JovAWTEventMulticaster::remove(actionListeners, listener);
    }
}

void JovChoice::selectionChanged(int index) {
    selectedIndex = isItemIndex(index) ? index : NO_SELECTION;
    fireAction(SELECTION_CHANGED);
}

void JovChoice::fireAction(const char* command) {
    if (actionListeners == nullptr) {
        return;
    }
    JovActionEvent event(this, JovActionEvent::ACTION_PERFORMED, command);
    actionListeners->actionPerformed(event);
}

void JovChoice::processKeyEvent(JovKeyEvent& event) {
    JovComponent::processKeyEvent(event);
    // A choice nobody listens to leaves both keys to its window (a dialog's default and cancel
    // buttons).
    if (event.isConsumed() || event.getID() != JovKeyEvent::KEY_PRESSED ||
        event.getSource() != this || actionListeners == nullptr) {
        return;
    }
    if (event.getKeyCode() == JovKeyEvent::KEY_ESCAPE) {
        event.consume();
        return;
    }
    if (event.getKeyCode() == JovKeyEvent::KEY_ENTER) {
        event.consume();
        fireAction(RETURN_PRESSED);
    }
}

JovString JovChoice::toString() const {
    return JovString("ool.awt.JovChoice[,text=") + getSelectedItem() + "]";
}
