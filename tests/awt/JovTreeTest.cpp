// The tree on a real tree view under Wine: the model shown with its expansion, selection both
// ways with its events, nodes inserted and removed through model events as the composer sends
// them, a rebuild that keeps expansion and selection by label, and the renderer's pictures.
#include "awt/JovTree.h"

#include "ViewFixture.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeSelectionListener.h"
#include "awt/windows/JovWImage.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int labelLength = 100;

class SelectionRecorder : public JovTreeSelectionListener {
public:
    void valueChanged(JovTreeSelectionEvent& event) override {
        olds.push_back(event.getOldSelection());
        news.push_back(event.getNewSelection());
    }

    std::vector<JovDefaultMutableTreeNode*> olds;
    std::vector<JovDefaultMutableTreeNode*> news;
};

// A picture for menus only, as the application gives each item its own.
class MenuPictures : public JovTreeCellRenderer {
public:
    explicit MenuPictures(JovDefaultMutableTreeNode* menu)
        : menu(menu), picture(new JovWImage(16, 16)) {
        picture->addRef();
    }
    ~MenuPictures() override { picture->release(); }

    JovImage* getNodeImage(JovTree&, JovDefaultMutableTreeNode* node) override {
        return node == menu ? picture : nullptr;
    }

private:
    JovDefaultMutableTreeNode* menu;
    JovWImage* picture;
};

class PopupRecorder : public JovMouseListener {
public:
    void mouseClicked(JovMouseEvent&) override {}
    void mouseEntered(JovMouseEvent&) override {}
    void mouseExited(JovMouseEvent&) override {}
    void mousePressed(JovMouseEvent&) override {}
    void mouseReleased(JovMouseEvent& event) override { popups += event.isPopupTrigger() ? 1 : 0; }

    int popups = 0;
};

JovDefaultMutableTreeNode* labelled(const char* label) {
    return new JovDefaultMutableTreeNode(new JovString(label));
}

class JovTreeTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        root = labelled("Alle Zutaten");
        root->addRef();
        menu = addMenu("Gulasch mit Nudeln");
        tree = new JovTree(root);
        tree->addTreeSelectionListener(&selections);
    }

    void TearDown() override {
        root->release();
        ViewFixture::TearDown();
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

    void show() { showInFrame(tree, 10, 10, 300, 300); }
    void rebuild() {
        JovTreeModelEvent changed(root, JovTreeModelEvent::TREE_STRUCTURE_CHANGED, root, -1,
                                  nullptr);
        tree->treeStructureChanged(changed);
    }
    HWND control() const { return windowOf(tree); }

    HTREEITEM item(UINT relation, HTREEITEM from = nullptr) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessageA(control(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
    }
    JovString labelOf(HTREEITEM handle) const {
        char label[labelLength] = {};
        TVITEMA entry = {};
        entry.mask = TVIF_TEXT;
        entry.hItem = handle;
        entry.pszText = label;
        entry.cchTextMax = labelLength;
        SendMessageA(control(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
        return JovString(label);
    }
    bool expandedInControl(HTREEITEM handle) const {
        return (SendMessageA(control(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(handle),
                             TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    }
    HTREEITEM menuItem() const { return item(TVGN_CHILD, item(TVGN_ROOT)); }
    int itemCount() const { return static_cast<int>(SendMessageA(control(), TVM_GETCOUNT, 0, 0)); }

    JovDefaultMutableTreeNode* root = nullptr;
    JovDefaultMutableTreeNode* menu = nullptr;
    JovDefaultMutableTreeNode* gulasch = nullptr;
    JovTree* tree = nullptr;
    SelectionRecorder selections;
};

TEST_F(JovTreeTest, ModelIsShownWithTheExpansionSetBeforeThePeer) {
    tree->expandNode(root);
    tree->expandNode(menu);
    show();
    EXPECT_EQ(itemCount(), 6);
    EXPECT_EQ(labelOf(item(TVGN_ROOT)), JovString("Alle Zutaten"));
    EXPECT_EQ(labelOf(menuItem()), JovString("Gulasch mit Nudeln"));
    EXPECT_TRUE(expandedInControl(item(TVGN_ROOT)));
    EXPECT_TRUE(expandedInControl(menuItem()));
    EXPECT_FALSE(expandedInControl(item(TVGN_CHILD, menuItem())));
}

TEST_F(JovTreeTest, ExpandingWithTheKeyboardIsReadBack) {
    tree->setSelectedNode(root);
    show();
    SetFocus(control());
    SendMessageA(control(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(expandedInControl(item(TVGN_ROOT)));
    EXPECT_TRUE(tree->isExpanded(root));
    SendMessageA(control(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_FALSE(expandedInControl(item(TVGN_ROOT)));
    EXPECT_FALSE(tree->isExpanded(root));
}

TEST_F(JovTreeTest, ExpansionChangedByTheControlAloneSurvivesARebuild) {
    tree->expandNode(root);
    show();
    // TVM_EXPAND sends no notification: the tree asks the control.
    SendMessageA(control(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(menuItem()));
    EXPECT_TRUE(tree->isExpanded(menu));
    rebuild();
    EXPECT_TRUE(expandedInControl(menuItem()));
}

TEST_F(JovTreeTest, KeyboardSelectionInTheControlSendsSelectionEvents) {
    tree->expandNode(root);
    tree->setSelectedNode(root);
    show();
    selections.olds.clear();
    selections.news.clear();
    SetFocus(control());
    SendMessageA(control(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    ASSERT_EQ(selections.news.size(), 1u);
    EXPECT_EQ(selections.olds[0], root);
    EXPECT_EQ(selections.news[0], menu);
}

TEST_F(JovTreeTest, ProgramSelectionReachesTheControlUnlessTheNodeIsOutsideTheTree) {
    tree->expandNode(root);
    show();
    JovDefaultMutableTreeNode* stranger = labelled("Fremd");
    stranger->addRef();
    tree->setSelectedNode(stranger);
    stranger->release();
    EXPECT_EQ(tree->getSelectedNode(), nullptr);
    EXPECT_TRUE(selections.news.empty());
    tree->setSelectedNode(menu);
    EXPECT_EQ(labelOf(item(TVGN_CARET)), JovString("Gulasch mit Nudeln"));
    ASSERT_EQ(selections.news.size(), 1u);
    EXPECT_EQ(selections.news[0], menu);
}

TEST_F(JovTreeTest, InsertedNodeAppearsAtItsPlaceAmongItsSiblings) {
    tree->expandNode(root);
    tree->expandNode(menu);
    show();
    JovDefaultMutableTreeNode* sauce = labelled("Soße");
    menu->insert(sauce, 1);
    JovTreeModelEvent inserted(menu, JovTreeModelEvent::TREE_NODES_INSERTED, menu, 1, sauce);
    tree->treeNodesInserted(inserted);
    EXPECT_EQ(itemCount(), 7);
    const HTREEITEM first = item(TVGN_CHILD, menuItem());
    EXPECT_EQ(labelOf(item(TVGN_NEXT, first)), JovString("Soße"));
}

TEST_F(JovTreeTest, RemovedSelectedNodeLeavesTheControlAndTheSelectionGoesToItsParent) {
    tree->expandNode(root);
    tree->expandNode(menu);
    tree->expandNode(gulasch);
    show();
    tree->setSelectedNode(gulasch->getChildAt(0));
    gulasch->addRef();
    menu->remove(gulasch);
    JovTreeModelEvent removed(menu, JovTreeModelEvent::TREE_NODES_REMOVED, menu, 0, gulasch);
    tree->treeNodesRemoved(removed);
    gulasch->release();
    EXPECT_EQ(itemCount(), 3);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    EXPECT_EQ(labelOf(item(TVGN_CARET)), JovString("Gulasch mit Nudeln"));
}

TEST_F(JovTreeTest, RebuildKeepsExpansionAndSelectionOfTheSameLabels) {
    tree->expandNode(root);
    tree->expandNode(menu);
    tree->expandNode(gulasch);
    show();
    tree->setSelectedNode(gulasch->getChildAt(1));
    // The menu is loaded again: new nodes with the same labels.
    root->removeAllChildren();
    JovDefaultMutableTreeNode* reloaded = addMenu("Gulasch mit Nudeln");
    rebuild();
    EXPECT_EQ(itemCount(), 6);
    EXPECT_TRUE(tree->isExpanded(reloaded));
    EXPECT_TRUE(tree->isExpanded(gulasch));
    EXPECT_EQ(tree->getSelectedNode(), gulasch->getChildAt(1));
    EXPECT_EQ(labelOf(item(TVGN_CARET)), JovString("Zwiebeln"));
    EXPECT_TRUE(expandedInControl(item(TVGN_CHILD, item(TVGN_CHILD, item(TVGN_ROOT)))));
    EXPECT_EQ(selections.news.back(), gulasch->getChildAt(1));
}

TEST_F(JovTreeTest, RebuildWithoutTheSelectedLabelClearsTheSelection) {
    show();
    tree->setSelectedNode(menu);
    root->removeAllChildren();
    addMenu("Linseneintopf");
    rebuild();
    EXPECT_EQ(tree->getSelectedNode(), nullptr);
    EXPECT_EQ(selections.news.back(), nullptr);
    EXPECT_EQ(item(TVGN_CARET), nullptr);
}

TEST_F(JovTreeTest, RendererPicturesAreShownInFrontOfTheLabels) {
    MenuPictures pictures(menu);
    tree->setCellRenderer(&pictures);
    tree->expandNode(root);
    show();
    TVITEMA entry = {};
    entry.mask = TVIF_IMAGE;
    entry.hItem = menuItem();
    SendMessageA(control(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    EXPECT_EQ(entry.iImage, 0);
}

TEST_F(JovTreeTest, RightClickSelectsTheNodeUnderTheMouseAndAsksForThePopup) {
    PopupRecorder popups;
    tree->addMouseListener(&popups);
    tree->expandNode(root);
    show();
    RECT label = {};
    *reinterpret_cast<HTREEITEM*>(&label) = menuItem();
    SendMessageA(control(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label));
    POINT at = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT onScreen = at;
    ClientToScreen(control(), &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    PostMessageA(control(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(control(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    pumpFor(100);
    EXPECT_EQ(tree->getSelectedNode(), menu);
    EXPECT_EQ(popups.popups, 1);
    tree->removeMouseListener(&popups);
}

TEST_F(JovTreeTest, ChangedNodeShowsItsNewLabel) {
    tree->expandNode(root);
    show();
    menu->setUserObject(new JovString("Gulasch mit Spätzle"));
    JovTreeModelEvent changed(root, JovTreeModelEvent::TREE_NODES_CHANGED, root, 0, menu);
    tree->treeNodesChanged(changed);
    EXPECT_EQ(labelOf(menuItem()), JovString("Gulasch mit Spätzle"));
}

} // namespace
