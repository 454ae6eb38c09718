// The picture list of trees: one slot per distinct picture, also when a tree is refilled with
// freshly loaded pictures.
#include "awt/windows/JovImageList.h"

#include "WidgetTest.h"
#include "awt/JovColor.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTree.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/windows/JovWImage.h"

#include <commctrl.h>

namespace {

// A new picture of the list's size, all of one grey.
JovWImage* grey(int level) {
    constexpr int side = JovImageList::PICTURE_SIZE;
    auto* picture = new JovWImage(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            picture->setPixel(x, y, JovColor(level, level, level));
        }
    }
    return picture;
}

// Loads every node's picture afresh: a dark one for the root, light ones below.
class FreshTreePictures : public JovTreeCellRenderer {
public:
    JovImage* getNodeImage(JovTree&, JovDefaultMutableTreeNode* node) override {
        JovWImage* picture = grey(node->getParent() == nullptr ? 30 : 200);
        held.addElement(picture);
        return picture;
    }
    JovVector held;
};

class JovImageListInTreeTest : public WidgetTest {};

} // namespace

TEST_F(JovImageListInTreeTest, RefillingATreeWithFreshPicturesKeepsTheListAtTheDistinctOnes) {
    FreshTreePictures renderer;
    auto* tree = new JovTree(nullptr);
    tree->setCellRenderer(&renderer);
    place(tree, 10, 10, 300, 300);
    for (int round = 0; round < 3; ++round) {
        auto* root = new JovDefaultMutableTreeNode(new JovString("Gulasch"));
        for (const char* name : {"Rindfleisch", "Zwiebeln", "Paprika"}) {
            root->add(new JovDefaultMutableTreeNode(new JovString(name)));
        }
        tree->setRoot(root);
        tree->expandAll();
    }
    const auto list = reinterpret_cast<HIMAGELIST>(
        SendMessageA(windowOf(tree), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    tree->setCellRenderer(nullptr);
}
