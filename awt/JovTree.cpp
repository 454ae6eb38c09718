// The tree's own state (model root, selection, expanded nodes) and how it follows model events.

#include "awt/JovTree.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/event/JovTreeSelectionEvent.h"
#include "awt/windows/JovTreePeer.h"

JovTree::JovTree(JovDefaultMutableTreeNode* root)
    : root(root), cellRenderer(nullptr), editable(false), selectionListeners(nullptr),
      modelListeners(nullptr) {
}

JovTree::~JovTree() {
    selectionListeners = JovAWTEventMulticaster::remove(selectionListeners, nullptr);
    modelListeners = JovAWTEventMulticaster::remove(modelListeners, nullptr);
}

JovTreePeer* JovTree::treePeer() const {
    return getPeerAs<JovTreePeer>();
}

void JovTree::setRoot(JovDefaultMutableTreeNode* newRoot) {
    // The old root may hold the selection: the rebuild still reads its labels.
    const JovReference<JovDefaultMutableTreeNode> old(root.get());
    root.reset(newRoot);
    rebuild();
}

void JovTree::setCellRenderer(JovTreeCellRenderer* renderer) {
    cellRenderer = renderer;
    if (treePeer() != nullptr) {
        treePeer()->rebuild();
    }
}

JovImage* JovTree::getNodeImage(JovDefaultMutableTreeNode* node) {
    return cellRenderer != nullptr ? cellRenderer->getNodeImage(*this, node) : nullptr;
}

bool JovTree::isInTree(const JovDefaultMutableTreeNode* node) const {
    return node != nullptr && root && node->isNodeAncestor(root.get());
}

void JovTree::setSelectedNode(JovDefaultMutableTreeNode* node) {
    if (node != nullptr && !isInTree(node)) {
        return;
    }
    if (node == selected.get()) {
        return;
    }
    select(node);
    if (treePeer() != nullptr) {
        treePeer()->selectNode(node);
    }
}

void JovTree::select(JovDefaultMutableTreeNode* node) {
    if (node == selected.get()) {
        return;
    }
    // The listeners are told of the old selection, so it is held until they return.
    const JovReference<JovDefaultMutableTreeNode> old(selected.get());
    selected.reset(node);
    if (selectionListeners != nullptr) {
        JovTreeSelectionEvent event(this, old.get(), node);
        selectionListeners->valueChanged(event);
    }
}

void JovTree::expandNode(JovDefaultMutableTreeNode* node) {
    if (!isInTree(node) || isExpanded(node)) {
        return;
    }
    if (!expanded.contains(node)) {
        expanded.addElement(node);
    }
    if (treePeer() != nullptr) {
        treePeer()->expandNode(node, true);
    }
}

void JovTree::collapseNode(JovDefaultMutableTreeNode* node) {
    if (!isExpanded(node)) {
        return;
    }
    if (treePeer() != nullptr) {
        treePeer()->expandNode(node, false);
    }
    expanded.removeElement(node);
}

bool JovTree::isExpanded(const JovDefaultMutableTreeNode* node) const {
    // The control also expands nodes without telling (TVM_EXPAND sends no notification).
    if (treePeer() != nullptr && treePeer()->isShown(node)) {
        return treePeer()->isExpandedInControl(node);
    }
    return expanded.contains(node);
}

bool JovTree::isExpansionRecorded(const JovDefaultMutableTreeNode* node) const {
    return expanded.contains(node);
}

void JovTree::removeNotify() {
    if (treePeer() != nullptr) {
        treePeer()->readExpansion();
    }
    JovComponent::removeNotify();
}

void JovTree::expandAll() {
    if (root) {
        expandAllBelow(root.get());
    }
}

void JovTree::expandAllBelow(JovDefaultMutableTreeNode* node) {
    if (node->isLeaf()) {
        return;
    }
    expandNode(node);
    for (int i = 0; i < node->getChildCount(); ++i) {
        expandAllBelow(node->getChildAt(i));
    }
}

void JovTree::addTreeSelectionListener(JovTreeSelectionListener* listener) {
    selectionListeners = JovAWTEventMulticaster::add(selectionListeners, listener);
}

void JovTree::removeTreeSelectionListener(JovTreeSelectionListener* listener) {
    if (listener != nullptr) {
        selectionListeners = JovAWTEventMulticaster::remove(selectionListeners, listener);
    }
}

void JovTree::addTreeModelListener(JovTreeModelListener* listener) {
    modelListeners = JovAWTEventMulticaster::add(modelListeners, listener);
}

void JovTree::removeTreeModelListener(JovTreeModelListener* listener) {
    if (listener != nullptr) {
        modelListeners = JovAWTEventMulticaster::remove(modelListeners, listener);
    }
}

void JovTree::treeNodesChanged(JovTreeModelEvent& event) {
    JovDefaultMutableTreeNode* node =
        event.getChild() != nullptr ? event.getChild() : event.getParentNode();
    if (treePeer() != nullptr && node != nullptr) {
        treePeer()->updateNode(node);
    }
    if (modelListeners != nullptr) {
        modelListeners->treeNodesChanged(event);
    }
}

void JovTree::treeNodesInserted(JovTreeModelEvent& event) {
    JovDefaultMutableTreeNode* parent = event.getParentNode();
    JovDefaultMutableTreeNode* child = event.getChild();
    if (treePeer() != nullptr && parent != nullptr && child != nullptr && isInTree(child)) {
        treePeer()->insertNode(parent, child);
    }
    if (modelListeners != nullptr) {
        modelListeners->treeNodesInserted(event);
    }
}

void JovTree::treeNodesRemoved(JovTreeModelEvent& event) {
    JovDefaultMutableTreeNode* child = event.getChild();
    if (child != nullptr) {
        const bool selectionGoes = selected && selected->isNodeAncestor(child);
        if (treePeer() != nullptr) {
            treePeer()->removeNode(child);
        }
        forgetSubtree(child);
        if (selectionGoes) {
            setSelectedNode(isInTree(event.getParentNode()) ? event.getParentNode() : nullptr);
        }
    }
    if (modelListeners != nullptr) {
        modelListeners->treeNodesRemoved(event);
    }
}

void JovTree::forgetSubtree(JovDefaultMutableTreeNode* node) {
    for (int i = expanded.size() - 1; i >= 0; --i) {
        auto* open = static_cast<JovDefaultMutableTreeNode*>(expanded.elementAt(i));
        if (open->isNodeAncestor(node)) {
            expanded.removeElementAt(i);
        }
    }
}

void JovTree::treeStructureChanged(JovTreeModelEvent& event) {
    rebuild();
    if (modelListeners != nullptr) {
        modelListeners->treeStructureChanged(event);
    }
}

void JovTree::rebuild() {
    if (treePeer() != nullptr) {
        treePeer()->readExpansion();
    }
    std::vector<LabelPath> openPaths;
    for (int i = 0; i < expanded.size(); ++i) {
        openPaths.push_back(pathOf(static_cast<JovDefaultMutableTreeNode*>(expanded.elementAt(i))));
    }
    const LabelPath selectedPath = selected ? pathOf(selected.get()) : LabelPath();
    expanded.removeAllElements();
    for (const LabelPath& path : openPaths) {
        JovDefaultMutableTreeNode* node = nodeAt(path);
        if (node != nullptr && !expanded.contains(node)) {
            expanded.addElement(node);
        }
    }
    JovDefaultMutableTreeNode* again = selected ? nodeAt(selectedPath) : nullptr;
    if (treePeer() != nullptr) {
        treePeer()->rebuild();
    }
    // The rebuilt control selected nothing yet; the same node or its namesake is selected again.
    select(again);
    if (treePeer() != nullptr) {
        treePeer()->selectNode(again);
    }
}

JovTree::LabelPath JovTree::pathOf(JovDefaultMutableTreeNode* node) const {
    // The control still shows where a node was, even when the model already moved it away.
    if (treePeer() != nullptr && treePeer()->isShown(node)) {
        return treePeer()->labelPath(node);
    }
    LabelPath path;
    for (const JovDefaultMutableTreeNode* at = node; at != nullptr; at = at->getParent()) {
        path.insert(path.begin(), at->toString());
    }
    return path;
}

JovDefaultMutableTreeNode* JovTree::nodeAt(const LabelPath& path) const {
    if (!root || path.empty() || !(root->toString() == path.front())) {
        return nullptr;
    }
    JovDefaultMutableTreeNode* node = root.get();
    for (std::size_t depth = 1; depth < path.size() && node != nullptr; ++depth) {
        JovDefaultMutableTreeNode* next = nullptr;
        for (int i = 0; i < node->getChildCount() && next == nullptr; ++i) {
            if (node->getChildAt(i)->toString() == path[depth]) {
                next = node->getChildAt(i);
            }
        }
        node = next;
    }
    return node;
}

void JovTree::selectionChangedInControl(JovDefaultMutableTreeNode* node) {
    select(node);
}

void JovTree::expansionChangedInControl(JovDefaultMutableTreeNode* node, bool open) {
    if (node == nullptr) {
        return;
    }
    if (!open) {
        expanded.removeElement(node);
        return;
    }
    if (!expanded.contains(node)) {
        expanded.addElement(node);
    }
}

JovString JovTree::toString() const {
    return "ool.awt.JovTree[,text=" + (root ? root->toString() : JovString()) + "]";
}
