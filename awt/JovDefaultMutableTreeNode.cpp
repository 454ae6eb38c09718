// Tree node with a counted user object, counted children and an uncounted parent link.

#include "awt/JovDefaultMutableTreeNode.h"

#include "io/JovPrintWriter.h"

namespace {

void reportError(const JovString& line) {
    JovPrintWriter::standardError().println(line);
}

} // namespace

JovDefaultMutableTreeNode::JovDefaultMutableTreeNode() : JovDefaultMutableTreeNode(nullptr) {
}

JovDefaultMutableTreeNode::JovDefaultMutableTreeNode(JovObject* userObject)
    : userObject(userObject), parent(nullptr) {
}

JovDefaultMutableTreeNode::~JovDefaultMutableTreeNode() {
    for (int i = 0; i < children.size(); ++i) {
        childAt(i)->parent = nullptr;
    }
    children.removeAllElements();
}

void JovDefaultMutableTreeNode::setUserObject(JovObject* object) {
    userObject.reset(object);
}

JovDefaultMutableTreeNode* JovDefaultMutableTreeNode::getRoot() {
    JovDefaultMutableTreeNode* node = this;
    while (node->parent != nullptr) {
        node = node->parent;
    }
    return node;
}

bool JovDefaultMutableTreeNode::isNodeAncestor(const JovDefaultMutableTreeNode* node) const {
    for (const JovDefaultMutableTreeNode* above = this; above != nullptr; above = above->parent) {
        if (above == node) {
            return true;
        }
    }
    return false;
}

JovDefaultMutableTreeNode* JovDefaultMutableTreeNode::getChildAt(int index) const {
    if (index < 0 || index >= children.size()) {
        reportError(JovString().format(
            "Error in JovDefaultMutableTreeNode.getChildAt: Index %d out of 0..%d.", index,
            children.size() - 1));
        return nullptr;
    }
    return childAt(index);
}

int JovDefaultMutableTreeNode::getIndex(const JovDefaultMutableTreeNode* node) const {
    for (int i = 0; i < children.size(); ++i) {
        if (children.elementAt(i) == node) {
            return i;
        }
    }
    return -1;
}

void JovDefaultMutableTreeNode::insert(JovDefaultMutableTreeNode* child, int index) {
    if (child == nullptr || isNodeAncestor(child)) {
        reportError("Error in JovDefaultMutableTreeNode.insert: the new child is null, this node "
                    "or one above it.");
        return;
    }
    // A child moved within this node counts once.
    const int lastPosition = children.size() - (child->parent == this ? 1 : 0);
    if (index < 0 || index > lastPosition) {
        reportError(
            JovString().format("Error in JovDefaultMutableTreeNode.insert: Index %d out of 0..%d.",
                               index, lastPosition));
        return;
    }
    // The former parent's removal must not delete the child on its way here.
    const JovReference<JovDefaultMutableTreeNode> held(child);
    if (child->parent != nullptr) {
        child->parent->remove(child);
    }
    children.insertElementAt(child, index);
    child->parent = this;
}

void JovDefaultMutableTreeNode::add(JovDefaultMutableTreeNode* child) {
    const bool alreadyMine = child != nullptr && child->parent == this;
    insert(child, alreadyMine ? children.size() - 1 : children.size());
}

void JovDefaultMutableTreeNode::remove(int index) {
    if (index < 0 || index >= children.size()) {
        reportError(
            JovString().format("Error in JovDefaultMutableTreeNode.remove: Index %d out of 0..%d.",
                               index, children.size() - 1));
        return;
    }
    childAt(index)->parent = nullptr;
    children.removeElementAt(index);
}

void JovDefaultMutableTreeNode::remove(JovDefaultMutableTreeNode* child) {
    const int index = getIndex(child);
    if (index < 0) {
        reportError("Error in JovDefaultMutableTreeNode.remove: the node is not a child.");
        return;
    }
    remove(index);
}

void JovDefaultMutableTreeNode::removeFromParent() {
    if (parent != nullptr) {
        parent->remove(this);
    }
}

void JovDefaultMutableTreeNode::removeAllChildren() {
    while (!children.isEmpty()) {
        remove(children.size() - 1);
    }
}

JovString JovDefaultMutableTreeNode::toString() const {
    return userObject ? userObject->toString() : JovString();
}

JovDefaultMutableTreeNode* JovDefaultMutableTreeNode::childAt(int index) const {
    return static_cast<JovDefaultMutableTreeNode*>(children.elementAt(index));
}
