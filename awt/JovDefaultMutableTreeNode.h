// A node of a tree of user objects: the composition of a menu is held in these nodes, and the
// tree component shows each node by its user object's text.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class JovDefaultMutableTreeNode : public JovObject {
public:
    JovDefaultMutableTreeNode();
    // Holds a counted reference on the user object; null is allowed.
    explicit JovDefaultMutableTreeNode(JovObject* userObject);
    JovDefaultMutableTreeNode(const JovDefaultMutableTreeNode&) = delete;
    JovDefaultMutableTreeNode& operator=(const JovDefaultMutableTreeNode&) = delete;
    // Children still held elsewhere lose their parent, never keep a dangling one.
    ~JovDefaultMutableTreeNode() override;

    JovObject* getUserObject() const { return userObject.get(); }
    void setUserObject(JovObject* object);

    // Not counted: a node is held by its parent, not the other way round.
    JovDefaultMutableTreeNode* getParent() const { return parent; }
    JovDefaultMutableTreeNode* getRoot();
    bool isRoot() const { return parent == nullptr; }
    bool isLeaf() const { return children.isEmpty(); }
    // True for the node itself and every node above it.
    bool isNodeAncestor(const JovDefaultMutableTreeNode* node) const;

    int getChildCount() const { return children.size(); }
    // Null, with an error line, when index is out of range.
    JovDefaultMutableTreeNode* getChildAt(int index) const;
    // -1 when node is not a child of this one.
    int getIndex(const JovDefaultMutableTreeNode* node) const;

    // Takes a counted reference on child and first removes it from its former parent. An index
    // out of 0..getChildCount() or a child that is this node or one above it writes an error line
    // and changes nothing.
    void insert(JovDefaultMutableTreeNode* child, int index);
    void add(JovDefaultMutableTreeNode* child);
    // The removed child may be deleted by the removal unless the caller holds a reference on it.
    void remove(int index);
    void remove(JovDefaultMutableTreeNode* child);
    void removeFromParent();
    void removeAllChildren();

    // The user object's text (the label a tree shows), or the empty text without one.
    JovString toString() const override;

private:
    JovDefaultMutableTreeNode* childAt(int index) const;

    JovReference<JovObject> userObject;
    JovDefaultMutableTreeNode* parent;
    JovVector children;
};
