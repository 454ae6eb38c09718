// Equal cells: the grid's shape from rows or columns, gaps, insets and the preferred size.
#include "LayoutTest.h"

#include "awt/JovGridLayout.h"

namespace {

// Children 10, 11, 12... pixels wide and 5 high, ending at the given bounds.
std::vector<LayoutChild> children(const std::vector<Bounds>& expected) {
    std::vector<LayoutChild> list;
    for (const Bounds& bounds : expected) {
        list.push_back({10 + static_cast<int>(list.size()), 5, bounds, nullptr});
    }
    return list;
}

const LayoutCase gridCases[] = {
    // Two rows: five children need three columns, whatever the column count says. Cells
    // (320 - 2 * 10) / 3 = 100 wide and (110 - 10) / 2 = 50 high.
    {"GivenRowsDecideTheColumnsAndChildrenFillCellsRowByRow",
     [] { return new JovGridLayout(2, 5, 10, 10); }, 320, 110,
     children({{0, 0, 100, 50},
               {110, 0, 100, 50},
               {220, 0, 100, 50},
               {0, 60, 100, 50},
               {110, 60, 100, 50}})},
    // Three rows of two 50-pixel columns.
    {"WithoutRowsTheColumnsDecideTheRows", [] { return new JovGridLayout(0, 2); }, 100, 90,
     children(
         {{0, 0, 50, 30}, {50, 0, 50, 30}, {0, 30, 50, 30}, {50, 30, 50, 30}, {0, 60, 50, 30}})},
    {"InsetsSurroundTheCells",
     [] { return new JovGridLayout(1, 0); },
     100,
     50,
     children({{2, 1, 47, 46}, {49, 1, 47, 46}}),
     {1, 2, 3, 4}},
};

LAYOUT_CASES(JovGridLayout, gridCases);

} // namespace

using JovGridLayoutTest = LayoutTest;

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
