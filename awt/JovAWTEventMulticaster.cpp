// Listener chains: building, rebuilding on removal, and delivering in the order of adding.

#include "awt/JovAWTEventMulticaster.h"

#include <algorithm>

JovAWTEventMulticaster::JovAWTEventMulticaster(JovAWTEventMulticaster* rest,
                                               JovEventListener* listener)
    : rest(rest), listener(listener) {
}

JovAWTEventMulticaster::~JovAWTEventMulticaster() {
    // Iterative, so that a long chain does not recurse once per node.
    JovAWTEventMulticaster* next = rest;
    while (next != nullptr) {
        JovAWTEventMulticaster* following = next->rest;
        next->rest = nullptr;
        delete next;
        next = following;
    }
}

JovAWTEventMulticaster* JovAWTEventMulticaster::add(JovAWTEventMulticaster* chain,
                                                    JovEventListener* listener) {
    if (listener == nullptr) {
        return chain;
    }
    return new JovAWTEventMulticaster(chain, listener);
}

JovAWTEventMulticaster* JovAWTEventMulticaster::remove(JovAWTEventMulticaster* chain,
                                                       JovEventListener* listener) {
    if (chain == nullptr) {
        return nullptr;
    }
    if (listener == nullptr) {
        delete chain;
        return nullptr;
    }
    JovAWTEventMulticaster* rest = chain->rest;
    JovEventListener* held = chain->listener;
    chain->rest = nullptr;
    delete chain;
    if (held == listener) {
        return rest;
    }
    return add(remove(rest, listener), held);
}

int JovAWTEventMulticaster::count(const JovAWTEventMulticaster* chain) {
    int listeners = 0;
    for (const JovAWTEventMulticaster* node = chain; node != nullptr; node = node->rest) {
        ++listeners;
    }
    return listeners;
}

std::vector<JovEventListener*> JovAWTEventMulticaster::listenersOldestFirst() const {
    std::vector<JovEventListener*> listeners;
    for (const JovAWTEventMulticaster* node = this; node != nullptr; node = node->rest) {
        listeners.push_back(node->listener);
    }
    std::reverse(listeners.begin(), listeners.end());
    return listeners;
}

void JovAWTEventMulticaster::actionPerformed(JovActionEvent& event) {
    notifyAll(&JovActionListener::actionPerformed, event);
}

void JovAWTEventMulticaster::stateChanged(ChangeEvent& event) {
    notifyAll(&ChangeListener::stateChanged, event);
}

void JovAWTEventMulticaster::insertUpdate(DocumentEvent& event) {
    notifyAll(&DocumentListener::insertUpdate, event);
}

void JovAWTEventMulticaster::removeUpdate(DocumentEvent& event) {
    notifyAll(&DocumentListener::removeUpdate, event);
}

void JovAWTEventMulticaster::changedUpdate(DocumentEvent& event) {
    notifyAll(&DocumentListener::changedUpdate, event);
}

void JovAWTEventMulticaster::keyPressed(JovKeyEvent& event) {
    notifyAll(&JovKeyListener::keyPressed, event);
}

void JovAWTEventMulticaster::keyReleased(JovKeyEvent& event) {
    notifyAll(&JovKeyListener::keyReleased, event);
}

void JovAWTEventMulticaster::keyTyped(JovKeyEvent& event) {
    notifyAll(&JovKeyListener::keyTyped, event);
}

void JovAWTEventMulticaster::focusGained(JovFocusEvent& event) {
    notifyAll(&JovFocusListener::focusGained, event);
}

void JovAWTEventMulticaster::focusLost(JovFocusEvent& event) {
    notifyAll(&JovFocusListener::focusLost, event);
}

void JovAWTEventMulticaster::mouseClicked(JovMouseEvent& event) {
    notifyAll(&JovMouseListener::mouseClicked, event);
}

void JovAWTEventMulticaster::mouseEntered(JovMouseEvent& event) {
    notifyAll(&JovMouseListener::mouseEntered, event);
}

void JovAWTEventMulticaster::mouseExited(JovMouseEvent& event) {
    notifyAll(&JovMouseListener::mouseExited, event);
}

void JovAWTEventMulticaster::mousePressed(JovMouseEvent& event) {
    notifyAll(&JovMouseListener::mousePressed, event);
}

void JovAWTEventMulticaster::mouseReleased(JovMouseEvent& event) {
    notifyAll(&JovMouseListener::mouseReleased, event);
}

void JovAWTEventMulticaster::mouseMoved(JovMouseEvent& event) {
    notifyAll(&JovMouseMotionListener::mouseMoved, event);
}

void JovAWTEventMulticaster::mouseDragged(JovMouseEvent& event) {
    notifyAll(&JovMouseMotionListener::mouseDragged, event);
}

void JovAWTEventMulticaster::valueChanging(JovListSelectionEvent& event) {
    notifyAll(&JovListSelectionListener::valueChanging, event);
}

void JovAWTEventMulticaster::valueChanged(JovListSelectionEvent& event) {
    notifyAll(&JovListSelectionListener::valueChanged, event);
}

void JovAWTEventMulticaster::valueChanged(JovTreeSelectionEvent& event) {
    notifyAll(&JovTreeSelectionListener::valueChanged, event);
}

void JovAWTEventMulticaster::treeNodesChanged(JovTreeModelEvent& event) {
    notifyAll(&JovTreeModelListener::treeNodesChanged, event);
}

void JovAWTEventMulticaster::treeNodesInserted(JovTreeModelEvent& event) {
    notifyAll(&JovTreeModelListener::treeNodesInserted, event);
}

void JovAWTEventMulticaster::treeNodesRemoved(JovTreeModelEvent& event) {
    notifyAll(&JovTreeModelListener::treeNodesRemoved, event);
}

void JovAWTEventMulticaster::treeStructureChanged(JovTreeModelEvent& event) {
    notifyAll(&JovTreeModelListener::treeStructureChanged, event);
}

void JovAWTEventMulticaster::adjustmentValueChanged(JovAdjustmentEvent& event) {
    notifyAll(&JovAdjustmentListener::adjustmentValueChanged, event);
}

void JovAWTEventMulticaster::dataChanged(JovEventObject& event) {
    notifyAll(&JovDataListener::dataChanged, event);
}

JovString JovAWTEventMulticaster::toString() const {
    return "ool.awt.JovAWTEventMulticaster";
}
