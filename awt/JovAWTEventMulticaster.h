// A listener chain: each node holds one listener and the older rest of the chain, and passes every
// event to all listeners of the chain, oldest first. A component keeps one chain per listener
// group; the chain owns its nodes but not the listeners.
#pragma once

#include "awt/event/ChangeListener.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovAdjustmentListener.h"
#include "awt/event/JovDataListener.h"
#include "awt/event/JovFocusListener.h"
#include "awt/event/JovKeyListener.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovMouseMotionListener.h"
#include "awt/event/JovTreeModelListener.h"
#include "awt/event/JovTreeSelectionListener.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <vector>

class JovAWTEventMulticaster : public JovObject,
                               public JovActionListener,
                               public ChangeListener,
                               public DocumentListener,
                               public JovKeyListener,
                               public JovFocusListener,
                               public JovMouseListener,
                               public JovMouseMotionListener,
                               public JovListSelectionListener,
                               public JovTreeSelectionListener,
                               public JovTreeModelListener,
                               public JovAdjustmentListener,
                               public JovDataListener {
public:
    JovAWTEventMulticaster(const JovAWTEventMulticaster&) = delete;
    JovAWTEventMulticaster& operator=(const JovAWTEventMulticaster&) = delete;

    // The chain with listener added on top; adding null answers the chain unchanged.
    static JovAWTEventMulticaster* add(JovAWTEventMulticaster* chain, JovEventListener* listener);
    // The chain without the newest entry of listener; the nodes above it are rebuilt. Removing
    // null deletes the whole chain and answers null.
    static JovAWTEventMulticaster* remove(JovAWTEventMulticaster* chain,
                                          JovEventListener* listener);
    // How many listeners the chain holds (null is an empty chain).
    static int count(const JovAWTEventMulticaster* chain);

    void actionPerformed(JovActionEvent& event) override;
    void stateChanged(ChangeEvent& event) override;
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;
    void keyPressed(JovKeyEvent& event) override;
    void keyReleased(JovKeyEvent& event) override;
    void keyTyped(JovKeyEvent& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    void mouseClicked(JovMouseEvent& event) override;
    void mouseEntered(JovMouseEvent& event) override;
    void mouseExited(JovMouseEvent& event) override;
    void mousePressed(JovMouseEvent& event) override;
    void mouseReleased(JovMouseEvent& event) override;
    void mouseMoved(JovMouseEvent& event) override;
    void mouseDragged(JovMouseEvent& event) override;
    void valueChanging(JovListSelectionEvent& event) override;
    void valueChanged(JovListSelectionEvent& event) override;
    void valueChanged(JovTreeSelectionEvent& event) override;
    void treeNodesChanged(JovTreeModelEvent& event) override;
    void treeNodesInserted(JovTreeModelEvent& event) override;
    void treeNodesRemoved(JovTreeModelEvent& event) override;
    void treeStructureChanged(JovTreeModelEvent& event) override;
    void adjustmentValueChanged(JovAdjustmentEvent& event) override;
    void dataChanged(JovEventObject& event) override;

    JovString toString() const override;

private:
    JovAWTEventMulticaster(JovAWTEventMulticaster* rest, JovEventListener* listener);
    // Deletes the rest of the chain with it.
    ~JovAWTEventMulticaster() override;

    // The listeners oldest first, taken before any is called: a listener may add or remove
    // listeners of this chain, which deletes nodes.
    std::vector<JovEventListener*> listenersOldestFirst() const;

    template <typename Listener, typename Event>
    void notifyAll(void (Listener::*operation)(Event&), Event& event) const {
        for (JovEventListener* listener : listenersOldestFirst()) {
            auto* typed = dynamic_cast<Listener*>(listener);
            if (typed != nullptr) {
                (typed->*operation)(event);
            }
        }
    }

    JovAWTEventMulticaster* rest;
    JovEventListener* listener;
};
