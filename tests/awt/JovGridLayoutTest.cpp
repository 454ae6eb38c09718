// Equal cells: the grid's shape from rows or columns, gaps, insets and the preferred size.
#include "LayoutFixture.h"

#include "awt/JovGridLayout.h"

#include <vector>

class JovGridLayoutTest : public LayoutFixture {
protected:
    std::vector<JovComponent*> addChildren(int count) {
        std::vector<JovComponent*> children;
        for (int index = 0; index < count; ++index) {
            children.push_back(addSized(10 + index, 5));
        }
        return children;
    }
};

TEST_F(JovGridLayoutTest, GivenRowsDecideTheColumnsAndChildrenFillCellsRowByRow) {
    // Two rows: five children need three columns, whatever the column count says.
    makeContainer(new JovGridLayout(2, 5, 10, 10), 320, 110);
    const std::vector<JovComponent*> children = addChildren(5);
    layOut();
    // Cells (320 - 2 * 10) / 3 = 100 wide and (110 - 10) / 2 = 50 high.
    EXPECT_EQ(boundsOf(children[0]), (Bounds{0, 0, 100, 50}));
    EXPECT_EQ(boundsOf(children[2]), (Bounds{220, 0, 100, 50}));
    EXPECT_EQ(boundsOf(children[3]), (Bounds{0, 60, 100, 50}));
    EXPECT_EQ(boundsOf(children[4]), (Bounds{110, 60, 100, 50}));
}

TEST_F(JovGridLayoutTest, WithoutRowsTheColumnsDecideTheRows) {
    makeContainer(new JovGridLayout(0, 2), 100, 90);
    const std::vector<JovComponent*> children = addChildren(5);
    layOut();
    // Three rows of two 50-pixel columns.
    EXPECT_EQ(boundsOf(children[1]), (Bounds{50, 0, 50, 30}));
    EXPECT_EQ(boundsOf(children[4]), (Bounds{0, 60, 50, 30}));
}

TEST_F(JovGridLayoutTest, InsetsSurroundTheCells) {
    makeContainer(new JovGridLayout(1, 0), 100, 50);
    setInsets(1, 2, 3, 4);
    const std::vector<JovComponent*> children = addChildren(2);
    layOut();
    EXPECT_EQ(boundsOf(children[0]), (Bounds{2, 1, 47, 46}));
    EXPECT_EQ(boundsOf(children[1]), (Bounds{49, 1, 47, 46}));
}

TEST_F(JovGridLayoutTest, GridWithoutRowsOrColumnsLeavesChildrenAlone) {
    makeContainer(new JovGridLayout(0, 0), 100, 50);
    JovComponent* child = addSized(10, 10);
    child->setBounds(1, 2, 3, 4);
    layOut();
    EXPECT_EQ(boundsOf(child), (Bounds{1, 2, 3, 4}));
    EXPECT_EQ(preferred().width, 0);
}

TEST_F(JovGridLayoutTest, PreferredSizeMakesEveryCellAsLargeAsTheLargestChild) {
    makeContainer(new JovGridLayout(2, 0, 3, 4), 0, 0);
    setInsets(1, 2, 3, 4);
    addSized(30, 10);
    addSized(20, 25);
    addSized(10, 10);
    // Two rows, two columns of 30 x 25.
    EXPECT_EQ(preferred().width, 2 * 30 + 3 + 2 + 4);
    EXPECT_EQ(preferred().height, 2 * 25 + 4 + 1 + 3);
}
