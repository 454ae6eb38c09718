// Lets the owner of a tree choose the small picture in front of each node's label.
#pragma once

class JovDefaultMutableTreeNode;
class JovImage;
class JovTree;

class JovTreeCellRenderer {
public:
    virtual ~JovTreeCellRenderer() = default;

    // Null for none. The tree keeps a counted reference on what it shows.
    virtual JovImage* getNodeImage(JovTree& tree, JovDefaultMutableTreeNode* node) = 0;
};
