// The native side of a tree: a tree view with one item per shown node. Each item holds a counted
// reference on its node until the control reports the item deleted, so a node the model dropped
// without telling the tree never leaves a dangling item behind.
#pragma once

#include "awt/windows/JovComponentPeer.h"
#include "lang/JovReference.h"

#include <map>
#include <vector>

struct _TREEITEM;
struct tagPOINT;
class JovDefaultMutableTreeNode;
class JovImageList;
class JovTree;

class JovTreePeer : public JovComponentPeer {
public:
    using ItemHandle = _TREEITEM*;

    explicit JovTreePeer(JovTree* tree);
    ~JovTreePeer() override;

    // Deletes every item and shows the tree's model again, with its expanded nodes.
    void rebuild();
    // Shows child (with its subtree) under parent's item, at child's place among its siblings.
    void insertNode(JovDefaultMutableTreeNode* parent, JovDefaultMutableTreeNode* child);
    void removeNode(JovDefaultMutableTreeNode* node);
    // Label and picture again.
    void updateNode(JovDefaultMutableTreeNode* node);
    void expandNode(JovDefaultMutableTreeNode* node, bool expand);
    // Null clears the selection; no selection event comes back.
    void selectNode(JovDefaultMutableTreeNode* node);
    bool isShown(const JovDefaultMutableTreeNode* node) const;
    bool isExpandedInControl(const JovDefaultMutableTreeNode* node) const;
    // Tells the tree which shown nodes the control has expanded now.
    void readExpansion();
    // The labels of the items from the top item down to node's.
    std::vector<JovString> labelPath(JovDefaultMutableTreeNode* node) const;

    std::intptr_t handleNotify(int code, void* header) override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    ItemHandle itemOf(const JovDefaultMutableTreeNode* node) const;
    ItemHandle insertItem(JovDefaultMutableTreeNode* node, ItemHandle parent, ItemHandle after);
    void insertSubtree(JovDefaultMutableTreeNode* node, ItemHandle parent, ItemHandle after);
    void applyExpansion(JovDefaultMutableTreeNode* node);
    void itemDeleted(void* header);
    tagPOINT mouseInWindow() const;
    void selectItemUnderMouse();
    void deliverClick(int clickCount);

    JovTree* tree;
    JovReference<JovImageList> images;
    std::map<const JovDefaultMutableTreeNode*, ItemHandle> items;
    bool applying;
};
