// Nodes of a tree model changed, were inserted or removed, or a whole subtree changed shape.
#pragma once

#include "awt/JovAWTEvent.h"

class JovDefaultMutableTreeNode;

class JovTreeModelEvent : public JovAWTEvent {
public:
    static constexpr int TREE_NODES_CHANGED = TREE_MODEL_EVENT_GROUP + 1;
    static constexpr int TREE_NODES_INSERTED = TREE_MODEL_EVENT_GROUP + 2;
    static constexpr int TREE_NODES_REMOVED = TREE_MODEL_EVENT_GROUP + 3;
    static constexpr int TREE_STRUCTURE_CHANGED = TREE_MODEL_EVENT_GROUP + 4;

    // parent holds (or held) child at childIndex; for a structure change child may be null and
    // childIndex -1. No node is counted: a removed child is kept alive by the caller for the call.
    JovTreeModelEvent(JovObject* source, int id, JovDefaultMutableTreeNode* parent, int childIndex,
                      JovDefaultMutableTreeNode* child)
        : JovAWTEvent(source, id), parent(parent), childIndex(childIndex), child(child) {}

    JovDefaultMutableTreeNode* getParentNode() const { return parent; }
    int getChildIndex() const { return childIndex; }
    JovDefaultMutableTreeNode* getChild() const { return child; }

    JovString toString() const override;

private:
    JovDefaultMutableTreeNode* parent;
    int childIndex;
    JovDefaultMutableTreeNode* child;
};
