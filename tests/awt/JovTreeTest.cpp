// The tree on a real tree view: a rebuild that keeps expansion and selection by label, and the
// right click.
#include "awt/JovTree.h"

#include "TreeViewProbe.h"
#include "WidgetTest.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelEvent.h"
#include "lang/JovReference.h"

#include <string>

namespace {

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
