// The selected node of a tree changed.
#pragma once

#include "awt/JovAWTEvent.h"

class JovDefaultMutableTreeNode;

class JovTreeSelectionEvent : public JovAWTEvent {
public:
    static constexpr int VALUE_CHANGED = TREE_SELECTION_EVENT_GROUP + 1;

    // Neither node is counted; either may be null (nothing was or is selected).
    JovTreeSelectionEvent(JovObject* source, JovDefaultMutableTreeNode* oldNode,
                          JovDefaultMutableTreeNode* newNode)
        : JovAWTEvent(source, VALUE_CHANGED), oldNode(oldNode), newNode(newNode) {}

    JovDefaultMutableTreeNode* getOldSelection() const { return oldNode; }
    JovDefaultMutableTreeNode* getNewSelection() const { return newNode; }

    JovString toString() const override;

private:
    JovDefaultMutableTreeNode* oldNode;
    JovDefaultMutableTreeNode* newNode;
};
