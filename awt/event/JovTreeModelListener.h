// Receives the changes of a tree model, so that a tree showing it can follow.
#pragma once

#include "awt/event/JovTreeModelEvent.h"
#include "util/JovEventListener.h"

class JovTreeModelListener : public virtual JovEventListener {
public:
    virtual void treeNodesChanged(JovTreeModelEvent& event) = 0;
    virtual void treeNodesInserted(JovTreeModelEvent& event) = 0;
    virtual void treeNodesRemoved(JovTreeModelEvent& event) = 0;
    virtual void treeStructureChanged(JovTreeModelEvent& event) = 0;
};
