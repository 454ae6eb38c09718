// A tree of JovDefaultMutableTreeNode objects shown by a native tree view. The tree follows its
// model through the tree-model listener operations: inserted and removed nodes are put into or
// taken out of the control, and a structure change rebuilds it, keeping the expanded nodes and
// the selection wherever the same labels are found again. Expansion and selection live in the
// tree, so they can be set before the control exists.
#pragma once

#include "awt/JovComponent.h"
#include "awt/event/JovTreeModelListener.h"
#include "lang/JovReference.h"
#include "util/JovVector.h"

#include <vector>

class JovAWTEventMulticaster;
class JovDefaultMutableTreeNode;
class JovImage;
class JovTreeCellRenderer;
class JovTreePeer;
class JovTreeSelectionListener;

class JovTree : public JovComponent, public JovTreeModelListener {
public:
    // Holds a counted reference on root; null shows an empty tree.
    explicit JovTree(JovDefaultMutableTreeNode* root);
    ~JovTree() override;

    JovDefaultMutableTreeNode* getRoot() const { return root.get(); }
    // A new model: the control is rebuilt, keeping what it can.
    void setRoot(JovDefaultMutableTreeNode* newRoot);

    // Not owned; null shows labels without pictures.
    void setCellRenderer(JovTreeCellRenderer* renderer);
    JovImage* getNodeImage(JovDefaultMutableTreeNode* node);
    void setEditable(bool editable) { this->editable = editable; }
    bool isEditable() const { return editable; }

    // Null when nothing is selected.
    JovDefaultMutableTreeNode* getSelectedNode() const { return selected.get(); }
    // Null clears the selection. A node outside the tree changes nothing. Selection listeners
    // hear of every change.
    void setSelectedNode(JovDefaultMutableTreeNode* node);
    // Expanding a node shows its children; a node outside the tree changes nothing.
    void expandNode(JovDefaultMutableTreeNode* node);
    void collapseNode(JovDefaultMutableTreeNode* node);
    bool isExpanded(const JovDefaultMutableTreeNode* node) const;
    // Expanded as the tree last recorded it, without asking the control (which rebuilds from it).
    bool isExpansionRecorded(const JovDefaultMutableTreeNode* node) const;
    // Expands every node that has children.
    void expandAll();

    // Listeners are not owned. Model listeners hear of each model event after the tree followed it.
    void addTreeSelectionListener(JovTreeSelectionListener* listener);
    void removeTreeSelectionListener(JovTreeSelectionListener* listener);
    void addTreeModelListener(JovTreeModelListener* listener);
    void removeTreeModelListener(JovTreeModelListener* listener);

    // The model's changes. A removed child is still alive for the call.
    void treeNodesChanged(JovTreeModelEvent& event) override;
    void treeNodesInserted(JovTreeModelEvent& event) override;
    void treeNodesRemoved(JovTreeModelEvent& event) override;
    void treeStructureChanged(JovTreeModelEvent& event) override;

    // From the peer: the user selected, expanded or collapsed a node.
    void selectionChangedInControl(JovDefaultMutableTreeNode* node);
    void expansionChangedInControl(JovDefaultMutableTreeNode* node, bool expanded);

    // The expanded nodes outlive the control.
    void removeNotify() override;

    // True when node is the root or hangs below it.
    bool isInTree(const JovDefaultMutableTreeNode* node) const;

    JovString toString() const override;

private:
    using LabelPath = std::vector<JovString>;

    JovTreePeer* treePeer() const;
    void select(JovDefaultMutableTreeNode* node);
    void rebuild();
    LabelPath pathOf(JovDefaultMutableTreeNode* node) const;
    JovDefaultMutableTreeNode* nodeAt(const LabelPath& path) const;
    void forgetSubtree(JovDefaultMutableTreeNode* node);
    void expandAllBelow(JovDefaultMutableTreeNode* node);

    JovReference<JovDefaultMutableTreeNode> root;
    JovReference<JovDefaultMutableTreeNode> selected;
    JovVector expanded;
    JovTreeCellRenderer* cellRenderer;
    bool editable;
    JovAWTEventMulticaster* selectionListeners;
    JovAWTEventMulticaster* modelListeners;
};
