// The tree on a real tree view: expansion, selection both ways, model events, a rebuild that keeps
// expansion and selection by label, and the renderer's pictures.
#include "awt/JovTree.h"

#include "TreeViewProbe.h"
#include "WidgetTest.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/windows/JovWImage.h"
#include "lang/JovReference.h"

#include <string>

namespace {

// A picture for menus only, as the application gives each item its own.
class MenuPictures : public JovTreeCellRenderer {
public:
    explicit MenuPictures(JovDefaultMutableTreeNode* menu)
        : menu(menu), picture(new JovWImage(16, 16)) {}

    JovImage* getNodeImage(JovTree&, JovDefaultMutableTreeNode* node) override {
        return node == menu ? picture.get() : nullptr;
    }

private:
    JovDefaultMutableTreeNode* menu;
    JovReference<JovWImage> picture;
};

JovDefaultMutableTreeNode* labelled(const char* label) {
    return new JovDefaultMutableTreeNode(new JovString(label));
}

class JovTreeTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        root.reset(labelled("Alle Zutaten"));
        menu = addMenu("Gulasch mit Nudeln");
        tree = new JovTree(root.get());
        tree->addTreeSelectionListener(&log);
    }

    void TearDown() override {
        root.reset();
        WidgetTest::TearDown();
    }

    // The label of the node the last selection event selected, "-" for none.
    std::string lastSelected() const {
        const std::string& line = log.entries.back();
        return line.substr(line.find('>') + 1);
    }

    JovDefaultMutableTreeNode* addMenu(const char* name) {
        JovDefaultMutableTreeNode* node = labelled(name);
        root->add(node);
        gulasch = labelled("Gulasch");
        node->add(gulasch);
        gulasch->add(labelled("Rindfleisch"));
        gulasch->add(labelled("Zwiebeln"));
        node->add(labelled("Nudeln"));
        return node;
    }

    void show() { place(tree, 10, 10, 300, 300); }
    void rebuild() {
        JovTreeModelEvent changed(root.get(), JovTreeModelEvent::TREE_STRUCTURE_CHANGED, root.get(),
                                  -1, nullptr);
        tree->treeStructureChanged(changed);
    }
    HWND control() const { return windowOf(tree); }

    TreeViewProbe view() const { return TreeViewProbe(control()); }
    HTREEITEM item(UINT relation, HTREEITEM from = nullptr) const {
        return view().item(relation, from);
    }
    HTREEITEM menuItem() const { return item(TVGN_CHILD, item(TVGN_ROOT)); }

    JovReference<JovDefaultMutableTreeNode> root;
    JovDefaultMutableTreeNode* menu = nullptr;
    JovDefaultMutableTreeNode* gulasch = nullptr;
    JovTree* tree = nullptr;
};

TEST_F(JovTreeTest, ModelIsShownWithTheExpansionSetBeforeThePeerAndTheRenderersPictures) {
    MenuPictures pictures(menu);
    tree->setCellRenderer(&pictures);
    tree->expandNode(root.get());
    tree->expandNode(menu);
    show();
    EXPECT_EQ(view().itemCount(), 6);
    EXPECT_EQ(view().labelOf(item(TVGN_ROOT)), "Alle Zutaten");
    EXPECT_EQ(view().labelOf(menuItem()), "Gulasch mit Nudeln");
    EXPECT_TRUE(view().expanded(item(TVGN_ROOT)));
    EXPECT_TRUE(view().expanded(menuItem()));
    EXPECT_FALSE(view().expanded(item(TVGN_CHILD, menuItem())));
    EXPECT_EQ(view().imageOf(menuItem()), 0);
}

TEST_F(JovTreeTest, KeyboardExpansionAndSelectionAreReadBackWithSelectionEvents) {
    tree->setSelectedNode(root.get());
    show();
    SetFocus(control());
    SendMessageA(control(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(view().expanded(item(TVGN_ROOT)));
    EXPECT_TRUE(tree->isExpanded(root.get()));
    SendMessageA(control(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(view().expanded(item(TVGN_ROOT)));
    EXPECT_FALSE(tree->isExpanded(root.get()));
    SendMessageA(control(), WM_KEYDOWN, VK_RIGHT, 0);
    log.clear();
    SendMessageA(control(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    EXPECT_EQ(log.entries, Entries{"selection Alle Zutaten>Gulasch mit Nudeln"});
}

TEST_F(JovTreeTest, ExpansionChangedByTheControlAloneSurvivesARebuild) {
    tree->expandNode(root.get());
    show();
    // TVM_EXPAND sends no notification: the tree asks the control.
    SendMessageA(control(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(menuItem()));
    EXPECT_TRUE(tree->isExpanded(menu));
    rebuild();
    EXPECT_TRUE(view().expanded(menuItem()));
}

TEST_F(JovTreeTest, ProgramSelectionReachesTheControlUnlessTheNodeIsOutsideTheTree) {
    tree->expandNode(root.get());
    show();
    tree->setSelectedNode(JovReference<JovDefaultMutableTreeNode>(labelled("Fremd")).get());
    EXPECT_EQ(tree->getSelectedNode(), nullptr);
    EXPECT_TRUE(log.entries.empty());
    tree->setSelectedNode(menu);
    EXPECT_EQ(view().labelOf(item(TVGN_CARET)), "Gulasch mit Nudeln");
    EXPECT_EQ(log.entries, Entries{"selection ->Gulasch mit Nudeln"});
}

TEST_F(JovTreeTest, InsertedNodeAppearsAmongItsSiblingsAndAChangedNodeShowsItsNewLabel) {
    tree->expandNode(root.get());
    tree->expandNode(menu);
    show();
    JovDefaultMutableTreeNode* sauce = labelled("Soße");
    menu->insert(sauce, 1);
    JovTreeModelEvent inserted(menu, JovTreeModelEvent::TREE_NODES_INSERTED, menu, 1, sauce);
    tree->treeNodesInserted(inserted);
    EXPECT_EQ(view().itemCount(), 7);
    const HTREEITEM first = item(TVGN_CHILD, menuItem());
    EXPECT_EQ(view().labelOf(item(TVGN_NEXT, first)), "Soße");
    menu->setUserObject(new JovString("Gulasch mit Spätzle"));
    JovTreeModelEvent changed(root.get(), JovTreeModelEvent::TREE_NODES_CHANGED, root.get(), 0,
                              menu);
    tree->treeNodesChanged(changed);
    EXPECT_EQ(view().labelOf(menuItem()), "Gulasch mit Spätzle");
}

TEST_F(JovTreeTest, RemovedSelectedNodeLeavesTheControlAndTheSelectionGoesToItsParent) {
    tree->expandNode(root.get());
    tree->expandNode(menu);
    tree->expandNode(gulasch);
    show();
    tree->setSelectedNode(gulasch->getChildAt(0));
    const JovReference<JovDefaultMutableTreeNode> removedNode(gulasch);
    menu->remove(gulasch);
    JovTreeModelEvent removed(menu, JovTreeModelEvent::TREE_NODES_REMOVED, menu, 0, gulasch);
    tree->treeNodesRemoved(removed);
    EXPECT_EQ(view().itemCount(), 3);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    EXPECT_EQ(view().labelOf(item(TVGN_CARET)), "Gulasch mit Nudeln");
}

TEST_F(JovTreeTest, RebuildKeepsExpansionAndSelectionOfTheSameLabels) {
    tree->expandNode(root.get());
    tree->expandNode(menu);
    tree->expandNode(gulasch);
    show();
    tree->setSelectedNode(gulasch->getChildAt(1));
    // The menu is loaded again: new nodes with the same labels.
    root->removeAllChildren();
    JovDefaultMutableTreeNode* reloaded = addMenu("Gulasch mit Nudeln");
    rebuild();
    EXPECT_EQ(view().itemCount(), 6);
    EXPECT_TRUE(tree->isExpanded(reloaded));
    EXPECT_TRUE(tree->isExpanded(gulasch));
    EXPECT_EQ(tree->getSelectedNode(), gulasch->getChildAt(1));
    EXPECT_EQ(view().labelOf(item(TVGN_CARET)), "Zwiebeln");
    EXPECT_TRUE(view().expanded(item(TVGN_CHILD, item(TVGN_CHILD, item(TVGN_ROOT)))));
    EXPECT_EQ(lastSelected(), "Zwiebeln");
}

TEST_F(JovTreeTest, RebuildWithoutTheSelectedLabelClearsTheSelection) {
    show();
    tree->setSelectedNode(menu);
    root->removeAllChildren();
    addMenu("Linseneintopf");
    rebuild();
    EXPECT_EQ(tree->getSelectedNode(), nullptr);
    EXPECT_EQ(lastSelected(), "-");
    EXPECT_EQ(item(TVGN_CARET), nullptr);
}

TEST_F(JovTreeTest, RightClickSelectsTheNodeUnderTheMouseAndAsksForThePopup) {
    EventLog popups;
    tree->addMouseListener(&popups);
    tree->expandNode(root.get());
    show();
    const POINT at = view().pointOf(menuItem());
    POINT onScreen = at;
    ClientToScreen(control(), &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    PostMessageA(control(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    pumpFor(100);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    EXPECT_EQ(popups.count("released popup"), 1);
    tree->removeMouseListener(&popups);
}

} // namespace
