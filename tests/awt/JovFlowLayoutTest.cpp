// Rows at preferred sizes: wrapping, vertical centring, alignment, insets and the preferred size.
#include "LayoutTest.h"

#include "awt/JovFlowLayout.h"

using JovFlowLayoutTest = LayoutTest;

TEST_F(JovFlowLayoutTest, ARowBreaksOnlyBeforeAChildThatWouldPassTheRightEdge) {
    const std::vector<Bounds> cases[] = {
        // 40 + 5 + 40 = 85; another 5 + 40 would reach 130.
        {{0, 5, 40, 10}, {45, 0, 40, 20}, {0, 25, 40, 10}},
        // Ending exactly at the edge stays in the row.
        {{0, 0, 45, 10}, {50, 0, 50, 10}},
        // Wider than the container: a row of its own.
        {{0, 0, 150, 10}, {0, 15, 20, 10}},
    };
    for (const std::vector<Bounds>& expected : cases) {
        SCOPED_TRACE(expected.size());
        makeContainer(new JovFlowLayout(), 100, 100);
        expectLaidOutAs(expected);
        dropContainer();
    }
}

TEST_F(JovFlowLayoutTest, AlignmentShiftsEachRowByAllOrHalfItsFreeWidth) {
    // First row 55 wide, free 45; the right-aligned second row 60 wide, free 40.
    makeContainer(new JovFlowLayout(JovFlowLayout::RIGHT), 100, 100);
    expectLaidOutAs({{45, 0, 20, 10}, {70, 0, 30, 10}, {40, 15, 60, 10}});
    dropContainer();
    makeContainer(new JovFlowLayout(JovFlowLayout::CENTER), 100, 100);
    expectLaidOutAs({{22, 0, 20, 10}, {47, 0, 30, 10}});
}

TEST_F(JovFlowLayoutTest, InsetsNarrowTheRowsAndMoveTheirOrigin) {
    makeContainer(new JovFlowLayout(JovFlowLayout::LEFT, 10, 0), 100, 100);
    setInsets(3, 7, 0, 9);
    // 84 pixels wide inside: 40 + 10 + 40 = 90 does not fit.
    expectLaidOutAs({{7, 3, 40, 10}, {7, 13, 40, 10}});
}

TEST_F(JovFlowLayoutTest, PreferredSizeWrapsAtTheCurrentWidthAndIsOneRowWithoutOne) {
    makeContainer(new JovFlowLayout(), 0, 0);
    setInsets(1, 2, 3, 4);
    EXPECT_EQ(preferred().width, 6);
    EXPECT_EQ(preferred().height, 4);
    addSized(40, 10);
    addSized(40, 20);
    addSized(40, 10);
    EXPECT_EQ(preferred().width, 130 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 1 + 3);
    container->setSize(100, 100);
    // Inside 94: rows of 85 x 20 and 40 x 10, 5 apart.
    EXPECT_EQ(preferred().width, 85 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 5 + 10 + 1 + 3);
    container->setSize(30, 100);
    // Narrower than every child: a row each.
    EXPECT_EQ(preferred().width, 40 + 2 + 4);
    EXPECT_EQ(preferred().height, 10 + 5 + 20 + 5 + 10 + 1 + 3);
}
