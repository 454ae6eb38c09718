// Rows at preferred sizes: wrapping, vertical centring, alignment, insets and the preferred size.
#include "LayoutTest.h"

#include "awt/JovFlowLayout.h"

namespace {

// Children sized as their expected bounds, without constraints.
std::vector<LayoutChild> children(const std::vector<Bounds>& expected) {
    std::vector<LayoutChild> list;
    for (const Bounds& bounds : expected) {
        list.push_back({bounds[2], bounds[3], bounds, nullptr});
    }
    return list;
}

LayoutCase flow(const char* name, int alignment, std::vector<Bounds> expected,
                int horizontalGap = 5, int verticalGap = 5, Margins insets = {}) {
    return {name,
            [=] { return new JovFlowLayout(alignment, horizontalGap, verticalGap); },
            100,
            100,
            children(expected),
            insets};
}

const LayoutCase flowCases[] = {
    // 40 + 5 + 40 = 85; another 5 + 40 would reach 130. Lower children are centred on the row.
    flow("ARowBreaksBeforeAChildThatWouldPassTheRightEdge", JovFlowLayout::LEFT,
         {{0, 5, 40, 10}, {45, 0, 40, 20}, {0, 25, 40, 10}}),
    flow("EndingExactlyAtTheEdgeStaysInTheRow", JovFlowLayout::LEFT,
         {{0, 0, 45, 10}, {50, 0, 50, 10}}),
    flow("AChildWiderThanTheContainerHasARowOfItsOwn", JovFlowLayout::LEFT,
         {{0, 0, 150, 10}, {0, 15, 20, 10}}),
    // First row 55 wide, free 45; the second row 60 wide, free 40.
    flow("RightAlignmentShiftsEachRowByItsFreeWidth", JovFlowLayout::RIGHT,
         {{45, 0, 20, 10}, {70, 0, 30, 10}, {40, 15, 60, 10}}),
    flow("CentreAlignmentShiftsTheRowByHalfItsFreeWidth", JovFlowLayout::CENTER,
         {{22, 0, 20, 10}, {47, 0, 30, 10}}),
    // 84 pixels wide inside: 40 + 10 + 40 = 90 does not fit.
    flow("InsetsNarrowTheRowsAndMoveTheirOrigin", JovFlowLayout::LEFT,
         {{7, 3, 40, 10}, {7, 13, 40, 10}}, 10, 0, {3, 7, 0, 9}),
};

LAYOUT_CASES(JovFlowLayout, flowCases);

} // namespace

using JovFlowLayoutTest = LayoutTest;

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
