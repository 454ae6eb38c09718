// The picture list of tables and trees: one slot per distinct picture, whichever copy of it comes,
// also when a tree is refilled with freshly loaded pictures.
#include "awt/windows/JovImageList.h"

#include "WidgetTest.h"
#include "awt/JovColor.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTree.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/windows/JovWImage.h"

#include <commctrl.h>

namespace {

// A new picture of side × side pixels, all of one grey.
JovWImage* grey(int level, int side = JovImageList::PICTURE_SIZE) {
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

class JovImageListTest : public ToolkitTest {};
class JovImageListInTreeTest : public WidgetTest {};

} // namespace

TEST_F(JovImageListTest, EqualPicturesShareASlotAndOthersGetTheirOwn) {
    auto* list = new JovImageList();
    list->addRef();
    JovVector pictures;
    const struct {
        JovWImage* picture;
        int index;
    } cases[] = {
        {grey(10), 0},    {grey(10), 0}, {grey(90), 1},
        {grey(10, 8), 2}, {grey(90), 1}, {grey(10, 8), 2},
    };
    for (const auto& entry : cases) {
        pictures.addElement(entry.picture);
        EXPECT_EQ(list->indexOf(entry.picture), entry.index);
    }
    EXPECT_EQ(list->indexOf(nullptr), JovImageList::NO_IMAGE);
    EXPECT_EQ(list->getImageCount(), 3);
    EXPECT_EQ(ImageList_GetImageCount(list->getHandle()), 3);
    list->release();
}

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
