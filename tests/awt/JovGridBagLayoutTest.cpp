// The grid-bag rules: cell positions and spans, sizes and weights, insets, padding, fill, anchors,
// bad constraints and the preferred size.
#include "CapturedOutput.h"
#include "LayoutTest.h"

#include "awt/JovGridBagLayout.h"

#include <climits>
#include <cmath>

using Constraints = JovGridBagConstraints;

namespace {

// Grid-bag constraints built in one expression for the tables.
class Cell {
public:
    Cell& at(int x, int y) {
        constraints.gridx = x;
        constraints.gridy = y;
        return *this;
    }
    Cell& span(int width, int height = 1) {
        constraints.gridwidth = width;
        constraints.gridheight = height;
        return *this;
    }
    Cell& weight(double x, double y = 0.0) {
        constraints.weightx = x;
        constraints.weighty = y;
        return *this;
    }
    Cell& fill(int how) {
        constraints.fill = how;
        return *this;
    }
    Cell& anchor(int where) {
        constraints.anchor = where;
        return *this;
    }
    Cell& insets(int top, int left, int bottom, int right) {
        constraints.insets = JovInsets(top, left, bottom, right);
        return *this;
    }
    Cell& pad(int x, int y) {
        constraints.ipadx = x;
        constraints.ipady = y;
        return *this;
    }
    operator std::shared_ptr<const JovObject>() const {
        return std::make_shared<Constraints>(constraints);
    }
    operator const Constraints&() const { return constraints; }

private:
    Constraints constraints;
};

JovLayoutManager* gridBag() {
    return new JovGridBagLayout();
}

constexpr int remainderSpan = Constraints::REMAINDER;
constexpr int relativeSpan = Constraints::RELATIVE;

LayoutCase grid(const char* name, int width, int height, std::vector<LayoutChild> children) {
    return {name, gridBag, width, height, std::move(children)};
}

// One 20 x 10 child that owns the whole 100 x 50 container through its weights.
LayoutCase alone(const char* name, Cell cell, Bounds expected) {
    return grid(name, 100, 50, {{20, 10, expected, cell.weight(1.0, 1.0)}});
}

const LayoutCase gridBagCases[] = {
    // Columns 30, 40, 50; rows 20 and 15; the last child spans the second row, centred.
    grid("RelativeChildrenFillARowThatARemainderEnds", 120, 35,
         {{30, 10, {0, 5, 30, 10}, Cell()},
          {40, 20, {30, 0, 40, 20}, Cell()},
          {50, 10, {70, 5, 50, 10}, Cell().span(remainderSpan)},
          {60, 15, {30, 20, 60, 15}, Cell().span(remainderSpan)}}),
    // 100 and 20 pixels to spare: the grid starts at half of each.
    grid("GridWithoutWeightsIsCentredInALargerContainer", 220, 55,
         {{30, 10, {50, 15, 30, 10}, Cell()},
          {40, 20, {80, 10, 40, 20}, Cell()},
          {50, 10, {120, 15, 50, 10}, Cell().span(remainderSpan)},
          {60, 15, {80, 30, 60, 15}, Cell().span(remainderSpan)}}),
    grid("RelativeWidthEndsOneCellBeforeTheLast", 90, 20,
         {{30, 10, {0, 0, 30, 10}, Cell()},
          {30, 10, {30, 0, 30, 10}, Cell()},
          {30, 10, {60, 0, 30, 10}, Cell().span(remainderSpan)},
          {30, 10, {0, 10, 60, 10}, Cell().span(relativeSpan).fill(Constraints::HORIZONTAL)},
          {30, 10, {60, 10, 30, 10}, Cell().span(remainderSpan)}}),
    // Rows 10 and 10; the tall child's 20 missing pixels go to its last row.
    grid("RemainderHeightStartsAColumn", 80, 40,
         {{30, 40, {0, 0, 30, 40}, Cell().span(1, remainderSpan)},
          {50, 10, {30, 0, 50, 10}, Cell()},
          {50, 10, {30, 20, 50, 10}, Cell()}}),
    grid("AbsoluteCellsLeaveEmptyColumnsWithoutWidth", 50, 20,
         {{20, 10, {0, 0, 20, 10}, Cell().at(0, 0)}, {30, 10, {20, 10, 30, 10}, Cell().at(2, 1)}}),
    // Columns 30 and 30 + 40.
    grid("SpanWithoutWeightsWidensItsLastColumn", 100, 20,
         {{30, 10, {0, 0, 30, 10}, Cell().at(0, 0)},
          {30, 10, {50, 0, 30, 10}, Cell().at(1, 0)},
          {100, 10, {0, 10, 100, 10}, Cell().at(0, 1).span(2)}}),
    // 40 missing pixels: 10 to the first column, 30 to the second.
    grid("SpanSharesItsMissingWidthByTheColumnWeights", 100, 20,
         {{30, 10, {5, 0, 30, 10}, Cell().at(0, 0).weight(1.0)},
          {30, 10, {55, 0, 30, 10}, Cell().at(1, 0).weight(3.0)},
          {100, 10, {0, 10, 100, 10}, Cell().at(0, 1).span(2)}}),
    grid("SpareRoomGoesToColumnsByWeight", 160, 10,
         {{30, 10, {0, 0, 55, 10}, Cell().at(0, 0).weight(1.0).fill(Constraints::HORIZONTAL)},
          {30, 10, {55, 0, 105, 10}, Cell().at(1, 0).weight(3.0).fill(Constraints::HORIZONTAL)}}),
    grid("SmallerContainerShrinksWeightedColumns", 100, 10,
         {{60, 10, {0, 0, 50, 10}, Cell().at(0, 0).weight(1.0)},
          {60, 10, {50, 0, 50, 10}, Cell().at(1, 0).weight(1.0)}}),
    grid("SmallerContainerCentresTheOverflowWithoutWeights", 100, 10,
         {{60, 10, {-10, 0, 60, 10}, Cell().at(0, 0)}, {60, 10, {50, 0, 60, 10}, Cell().at(1, 0)}}),
    grid("InsetsAndPaddingSurroundAndGrowTheChild", 54, 34,
         {{40, 20, {3, 2, 46, 28}, Cell().insets(2, 3, 4, 5).pad(6, 8)}}),
    alone("FillNone", Cell().fill(Constraints::NONE), {40, 20, 20, 10}),
    alone("FillBoth", Cell().fill(Constraints::BOTH), {0, 0, 100, 50}),
    // 80 pixels to spare across, 40 down.
    alone("AnchorNortheast", Cell().anchor(Constraints::NORTHEAST), {80, 0, 20, 10}),
    alone("AnchorSouthwest", Cell().anchor(Constraints::SOUTHWEST), {0, 40, 20, 10}),
    // Without a cell of its own the child is placed relatively.
    grid("ChildWithoutConstraintsIsPlacedRelatively", 50, 10,
         {{20, 10, {0, 0, 20, 10}, nullptr}, {30, 10, {20, 0, 30, 10}, nullptr}}),
    grid("ChildSqueezedToNothingIsParkedAtTheOrigin", 0, 10,
         {{10, 10, {0, 0, 0, 0}, Cell().weight(1.0).insets(0, 20, 0, 20)}}),
    // A 20 x 20 grid centred in 100 x 50: both end in the last column, one in the last row, the
    // other in the first.
    grid("PositionsAndSpansBeyondTheGridAreKeptInside", 100, 50,
         {{20, 10, {40, 25, 20, 10}, Cell().at(100000, INT_MAX).span(INT_MAX, 3)},
          {20, 10, {40, 15, 20, 10}, Cell().at(INT_MIN, 0).span(INT_MIN, -1000)}}),
};

LAYOUT_CASES(JovGridBagLayout, gridBagCases);

} // namespace

class JovGridBagLayoutTest : public LayoutTest {
protected:
    void makeGrid(int width, int height) {
        layout = new JovGridBagLayout();
        makeContainer(layout, width, height);
    }

    JovGridBagLayout* layout = nullptr;
};

TEST_F(JovGridBagLayoutTest, IllegalAnchorWritesItsLineAndKeepsTheInsetCellOrigin) {
    makeGrid(100, 50);
    JovComponent* child = addSized(20, 10, Cell().anchor(9).insets(5, 6, 0, 0).weight(1.0, 1.0));
    EXPECT_EQ(errorsOf([&] { layOut(); }), "illegal anchor value\r\n");
    EXPECT_EQ(boundsOf(child), (Bounds{6, 5, 20, 10}));
}

TEST_F(JovGridBagLayoutTest, ConstraintOfAnotherKindIsRefusedAndTheDefaultsApply) {
    makeGrid(50, 10);
    JovComponent* first = nullptr;
    const std::string errors = errorsOf([&] { first = addSized(20, 10, JovString("0,0")); });
    EXPECT_EQ(errors, "ool.awt.JovGridBagLayout: Cannot add to layout: constraint must be a "
                      "GridBagConstraint\r\n");
    JovComponent* second = addSized(30, 10, Constraints());
    layOut();
    EXPECT_EQ(boundsOf(first), (Bounds{0, 0, 20, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{20, 0, 30, 10}));
    EXPECT_EQ(layout->getConstraints(first).gridx, Constraints::RELATIVE);
}

TEST_F(JovGridBagLayoutTest, ChildMovedToAnotherContainerLeavesItsConstraintsBehind) {
    makeGrid(50, 10);
    JovComponent* child = addSized(20, 10, Cell().at(3, 4));
    const JovReference<JovPanel> other(new JovPanel());
    other->add(child);
    EXPECT_EQ(layout->getConstraints(child).gridx, Constraints::RELATIVE);
}

TEST_F(JovGridBagLayoutTest, HiddenChildrenTakeNoCell) {
    makeGrid(50, 10);
    JovComponent* hidden = addSized(20, 10, Constraints());
    hidden->hide();
    JovComponent* shown = addSized(30, 10, Constraints());
    layOut();
    EXPECT_EQ(boundsOf(hidden), (Bounds{0, 0, 0, 0}));
    EXPECT_EQ(boundsOf(shown), (Bounds{10, 0, 30, 10}));
}

TEST_F(JovGridBagLayoutTest, ColumnAndRowOverridesSetStartingSizes) {
    makeGrid(0, 0);
    layout->columnWidths = {50, 20};
    layout->rowHeights = {5};
    addSized(30, 10, Cell().at(0, 0));
    EXPECT_EQ(preferred().width, 70);
    EXPECT_EQ(preferred().height, 10);
}

TEST_F(JovGridBagLayoutTest, WeightOverridesTakeSpareRoom) {
    makeGrid(100, 10);
    layout->columnWeights = {0.0, 1.0};
    JovComponent* a = addSized(30, 10, Cell().at(0, 0));
    JovComponent* b = addSized(30, 10, Cell().at(1, 0).fill(Constraints::BOTH));
    layOut();
    EXPECT_EQ(boundsOf(a), (Bounds{0, 0, 30, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{30, 0, 70, 10}));
}

TEST_F(JovGridBagLayoutTest, PreferredSizeIsTheGridWithCellInsetsAndPaddingPlusContainerInsets) {
    makeGrid(0, 0);
    setInsets(1, 2, 3, 4);
    addSized(30, 10, Constraints());
    addSized(40, 20, Cell().span(remainderSpan));
    addSized(50, 5, Cell().span(remainderSpan));
    EXPECT_EQ(preferred().width, 30 + 40 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 5 + 1 + 3);
    dropContainer();
    makeGrid(0, 0);
    addSized(40, 20, Cell().insets(2, 3, 4, 5).pad(6, 8));
    EXPECT_EQ(preferred().width, 40 + 6 + 3 + 5);
    EXPECT_EQ(preferred().height, 20 + 8 + 2 + 4);
}

TEST_F(JovGridBagLayoutTest, UnusableWeightsCountAsNone) {
    makeGrid(100, 50);
    layout->columnWeights = {-5.0, 1.0};
    JovComponent* first =
        addSized(20, 10, Cell().at(0, 0).weight(1e308, -1.0).fill(Constraints::BOTH));
    JovComponent* second =
        addSized(20, 10, Cell().at(1, 0).weight(0.0, std::nan("")).fill(Constraints::BOTH));
    layOut();
    // The huge weight takes all but a rounding pixel of the 60 spare; no row takes the 40.
    EXPECT_EQ(boundsOf(first), (Bounds{0, 20, 79, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{79, 20, 20, 10}));
}
