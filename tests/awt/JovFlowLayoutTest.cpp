// Rows at preferred sizes: wrapping at the right edge, vertical centring, alignment, insets and
// the preferred size at the current width.
#include "LayoutFixture.h"

#include "awt/JovFlowLayout.h"

using JovFlowLayoutTest = LayoutFixture;

TEST_F(JovFlowLayoutTest, DefaultIsLeftAlignedWithGapsOfFive) {
    auto* layout = new JovFlowLayout();
    makeContainer(layout, 200, 100);
    JovComponent* low = addSized(30, 10);
    JovComponent* high = addSized(30, 20);
    JovComponent* last = addSized(30, 10);
    layOut();
    EXPECT_EQ(layout->getAlignment(), JovFlowLayout::LEFT);
    // Lower children are centred on the row's height of 20.
    EXPECT_EQ(boundsOf(low), (Bounds{0, 5, 30, 10}));
    EXPECT_EQ(boundsOf(high), (Bounds{35, 0, 30, 20}));
    EXPECT_EQ(boundsOf(last), (Bounds{70, 5, 30, 10}));
}

TEST_F(JovFlowLayoutTest, ChildThatWouldPassTheRightEdgeStartsANewRow) {
    makeContainer(new JovFlowLayout(), 100, 100);
    addSized(40, 10);
    JovComponent* second = addSized(40, 20);
    JovComponent* third = addSized(40, 10);
    layOut();
    // 40 + 5 + 40 = 85; another 5 + 40 would reach 130.
    EXPECT_EQ(boundsOf(second), (Bounds{45, 0, 40, 20}));
    EXPECT_EQ(boundsOf(third), (Bounds{0, 25, 40, 10}));
}

TEST_F(JovFlowLayoutTest, ChildEndingExactlyAtTheEdgeStaysInTheRow) {
    makeContainer(new JovFlowLayout(), 100, 100);
    addSized(45, 10);
    JovComponent* second = addSized(50, 10);
    layOut();
    EXPECT_EQ(boundsOf(second), (Bounds{50, 0, 50, 10}));
}

TEST_F(JovFlowLayoutTest, ChildWiderThanTheContainerTakesARowOfItsOwn) {
    makeContainer(new JovFlowLayout(), 100, 100);
    JovComponent* wide = addSized(150, 10);
    JovComponent* next = addSized(20, 10);
    layOut();
    EXPECT_EQ(boundsOf(wide), (Bounds{0, 0, 150, 10}));
    EXPECT_EQ(boundsOf(next), (Bounds{0, 15, 20, 10}));
}

TEST_F(JovFlowLayoutTest, RightAlignmentShiftsEachRowByItsFreeWidth) {
    makeContainer(new JovFlowLayout(JovFlowLayout::RIGHT), 100, 100);
    JovComponent* first = addSized(20, 10);
    JovComponent* second = addSized(30, 10);
    JovComponent* wrapped = addSized(60, 10);
    layOut();
    // First row 55 wide, free 45; second row 60 wide, free 40.
    EXPECT_EQ(boundsOf(first), (Bounds{45, 0, 20, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{70, 0, 30, 10}));
    EXPECT_EQ(boundsOf(wrapped), (Bounds{40, 15, 60, 10}));
}

TEST_F(JovFlowLayoutTest, CentredAlignmentShiftsByHalfTheFreeWidth) {
    makeContainer(new JovFlowLayout(JovFlowLayout::CENTER), 100, 100);
    JovComponent* first = addSized(20, 10);
    JovComponent* second = addSized(30, 10);
    layOut();
    EXPECT_EQ(boundsOf(first), (Bounds{22, 0, 20, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{47, 0, 30, 10}));
}

TEST_F(JovFlowLayoutTest, InsetsNarrowTheRowsAndMoveTheirOrigin) {
    makeContainer(new JovFlowLayout(JovFlowLayout::LEFT, 10, 0), 100, 100);
    setInsets(3, 7, 0, 9);
    JovComponent* first = addSized(40, 10);
    JovComponent* second = addSized(40, 10);
    layOut();
    // 84 pixels wide inside: 40 + 10 + 40 = 90 does not fit.
    EXPECT_EQ(boundsOf(first), (Bounds{7, 3, 40, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{7, 13, 40, 10}));
}

TEST_F(JovFlowLayoutTest, HiddenChildrenTakeNoRoom) {
    makeContainer(new JovFlowLayout(), 100, 100);
    JovComponent* hidden = addSized(40, 10);
    hidden->hide();
    JovComponent* shown = addSized(30, 10);
    layOut();
    EXPECT_EQ(boundsOf(hidden), (Bounds{0, 0, 0, 0}));
    EXPECT_EQ(boundsOf(shown), (Bounds{0, 0, 30, 10}));
}

TEST_F(JovFlowLayoutTest, PreferredSizeWrapsAtTheCurrentWidth) {
    makeContainer(new JovFlowLayout(), 100, 100);
    setInsets(1, 2, 3, 4);
    addSized(40, 10);
    addSized(40, 20);
    addSized(40, 10);
    // Inside 94: rows of 85 x 20 and 40 x 10, 5 apart.
    EXPECT_EQ(preferred().width, 85 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 5 + 10 + 1 + 3);
    container->setSize(200, 100);
    EXPECT_EQ(preferred().width, 130 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 1 + 3);
}

TEST_F(JovFlowLayoutTest, PreferredSizeOfAnEmptyContainerIsItsInsets) {
    makeContainer(new JovFlowLayout(), 100, 100);
    setInsets(1, 2, 3, 4);
    EXPECT_EQ(preferred().width, 6);
    EXPECT_EQ(preferred().height, 4);
}

TEST_F(JovFlowLayoutTest, TextForm) {
    const JovFlowLayout layout;
    EXPECT_STREQ(layout.toString().chars(), "ool.awt.JovFlowLayout");
}
