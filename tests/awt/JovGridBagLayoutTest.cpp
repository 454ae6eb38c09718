// The grid-bag rules: relative and remainder positions, column and row sizes from preferred sizes
// and spans, spare room by weight, insets, padding, fill, anchors, the error lines of bad
// constraints and the preferred size.
#include "LayoutFixture.h"

#include "awt/JovGridBagLayout.h"

#include <climits>
#include <cmath>

using Constraints = JovGridBagConstraints;

class JovGridBagLayoutTest : public LayoutFixture {
protected:
    JovPanel* makeGrid(int width, int height) {
        layout = new JovGridBagLayout();
        return makeContainer(layout, width, height);
    }

    // Constraints at a cell with the given span; everything else the defaults.
    static Constraints at(int gridx, int gridy, int gridwidth = 1, int gridheight = 1) {
        Constraints constraints;
        constraints.gridx = gridx;
        constraints.gridy = gridy;
        constraints.gridwidth = gridwidth;
        constraints.gridheight = gridheight;
        return constraints;
    }

    static Constraints withWidth(int gridwidth) {
        return at(Constraints::RELATIVE, Constraints::RELATIVE, gridwidth);
    }

    // One 20 x 10 child that owns the whole 100 x 50 container through its weights.
    JovComponent* addAlone(Constraints constraints) {
        constraints.weightx = 1.0;
        constraints.weighty = 1.0;
        return addSized(20, 10, constraints);
    }

    JovGridBagLayout* layout = nullptr;
};

TEST_F(JovGridBagLayoutTest, RelativeChildrenFillARowThatARemainderEnds) {
    makeGrid(120, 35);
    JovComponent* a = addSized(30, 10, Constraints());
    JovComponent* b = addSized(40, 20, Constraints());
    JovComponent* c = addSized(50, 10, withWidth(Constraints::REMAINDER));
    JovComponent* d = addSized(60, 15, withWidth(Constraints::REMAINDER));
    layOut();
    // Columns 30, 40, 50; rows 20 and 15; the last child spans the second row, centred.
    EXPECT_EQ(boundsOf(a), (Bounds{0, 5, 30, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{30, 0, 40, 20}));
    EXPECT_EQ(boundsOf(c), (Bounds{70, 5, 50, 10}));
    EXPECT_EQ(boundsOf(d), (Bounds{30, 20, 60, 15}));
    const JovGridBagLayout::JovGridBagLayoutInfo& info = layout->getLayoutInfo();
    EXPECT_EQ(info.width, 3);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.minWidth[2], 50);
    EXPECT_EQ(info.minHeight[0], 20);
}

TEST_F(JovGridBagLayoutTest, GridWithoutWeightsIsCentredInALargerContainer) {
    makeGrid(220, 55);
    JovComponent* a = addSized(30, 10, Constraints());
    addSized(40, 20, Constraints());
    addSized(50, 10, withWidth(Constraints::REMAINDER));
    addSized(60, 15, withWidth(Constraints::REMAINDER));
    layOut();
    // 100 and 20 pixels to spare: the grid starts at half of each.
    EXPECT_EQ(boundsOf(a), (Bounds{50, 15, 30, 10}));
    EXPECT_EQ(layout->getLayoutInfo().startx, 50);
    EXPECT_EQ(layout->getLayoutInfo().starty, 10);
}

TEST_F(JovGridBagLayoutTest, RelativeWidthEndsOneCellBeforeTheLast) {
    makeGrid(90, 20);
    addSized(30, 10, Constraints());
    addSized(30, 10, Constraints());
    addSized(30, 10, withWidth(Constraints::REMAINDER));
    Constraints nextToLast = withWidth(Constraints::RELATIVE);
    nextToLast.fill = Constraints::HORIZONTAL;
    JovComponent* wide = addSized(30, 10, nextToLast);
    JovComponent* last = addSized(30, 10, withWidth(Constraints::REMAINDER));
    layOut();
    EXPECT_EQ(boundsOf(wide), (Bounds{0, 10, 60, 10}));
    EXPECT_EQ(boundsOf(last), (Bounds{60, 10, 30, 10}));
}

TEST_F(JovGridBagLayoutTest, RemainderHeightStartsAColumn) {
    makeGrid(80, 40);
    Constraints tall = Constraints();
    tall.gridheight = Constraints::REMAINDER;
    JovComponent* left = addSized(30, 40, tall);
    JovComponent* upper = addSized(50, 10, Constraints());
    JovComponent* lower = addSized(50, 10, Constraints());
    layOut();
    // Rows 10 and 10; the tall child's 20 missing pixels go to its last row.
    EXPECT_EQ(boundsOf(left), (Bounds{0, 0, 30, 40}));
    EXPECT_EQ(boundsOf(upper), (Bounds{30, 0, 50, 10}));
    EXPECT_EQ(boundsOf(lower), (Bounds{30, 20, 50, 10}));
}

TEST_F(JovGridBagLayoutTest, AbsoluteCellsLeaveEmptyColumnsWithoutWidth) {
    makeGrid(50, 20);
    addSized(20, 10, at(0, 0));
    JovComponent* far = addSized(30, 10, at(2, 1));
    layOut();
    EXPECT_EQ(boundsOf(far), (Bounds{20, 10, 30, 10}));
    EXPECT_EQ(layout->getLayoutInfo().width, 3);
    EXPECT_EQ(layout->getLayoutInfo().minWidth[1], 0);
}

TEST_F(JovGridBagLayoutTest, SpanWithoutWeightsWidensItsLastColumn) {
    makeGrid(100, 20);
    JovComponent* a = addSized(30, 10, at(0, 0));
    JovComponent* b = addSized(30, 10, at(1, 0));
    JovComponent* span = addSized(100, 10, at(0, 1, 2));
    layOut();
    // Columns 30 and 30 + 40.
    EXPECT_EQ(boundsOf(a), (Bounds{0, 0, 30, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{50, 0, 30, 10}));
    EXPECT_EQ(boundsOf(span), (Bounds{0, 10, 100, 10}));
}

TEST_F(JovGridBagLayoutTest, SpanSharesItsMissingWidthByTheColumnWeights) {
    makeGrid(100, 20);
    Constraints light = at(0, 0);
    light.weightx = 1.0;
    Constraints heavy = at(1, 0);
    heavy.weightx = 3.0;
    JovComponent* a = addSized(30, 10, light);
    JovComponent* b = addSized(30, 10, heavy);
    addSized(100, 10, at(0, 1, 2));
    layOut();
    // 40 missing pixels: 10 to the first column, 30 to the second.
    EXPECT_EQ(boundsOf(a), (Bounds{5, 0, 30, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{55, 0, 30, 10}));
}

TEST_F(JovGridBagLayoutTest, SpareRoomGoesToColumnsByWeight) {
    makeGrid(160, 10);
    Constraints light = at(0, 0);
    light.weightx = 1.0;
    light.fill = Constraints::HORIZONTAL;
    Constraints heavy = at(1, 0);
    heavy.weightx = 3.0;
    heavy.fill = Constraints::HORIZONTAL;
    JovComponent* a = addSized(30, 10, light);
    JovComponent* b = addSized(30, 10, heavy);
    layOut();
    EXPECT_EQ(boundsOf(a), (Bounds{0, 0, 55, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{55, 0, 105, 10}));
}

TEST_F(JovGridBagLayoutTest, SmallerContainerShrinksWeightedColumnsOrCentresTheOverflow) {
    for (const double weight : {0.0, 1.0}) {
        SCOPED_TRACE(weight);
        makeGrid(100, 10);
        Constraints first = at(0, 0);
        first.weightx = weight;
        Constraints second = at(1, 0);
        second.weightx = weight;
        JovComponent* a = addSized(60, 10, first);
        JovComponent* b = addSized(60, 10, second);
        layOut();
        const Bounds expectedA = weight > 0 ? Bounds{0, 0, 50, 10} : Bounds{-10, 0, 60, 10};
        const Bounds expectedB = weight > 0 ? Bounds{50, 0, 50, 10} : Bounds{50, 0, 60, 10};
        EXPECT_EQ(boundsOf(a), expectedA);
        EXPECT_EQ(boundsOf(b), expectedB);
        dropContainer();
    }
}

TEST_F(JovGridBagLayoutTest, InsetsAndPaddingSurroundAndGrowTheChild) {
    makeGrid(54, 34);
    Constraints padded = Constraints();
    padded.insets = JovInsets(2, 3, 4, 5);
    padded.ipadx = 6;
    padded.ipady = 8;
    JovComponent* child = addSized(40, 20, padded);
    EXPECT_EQ(preferred().width, 40 + 6 + 3 + 5);
    EXPECT_EQ(preferred().height, 20 + 8 + 2 + 4);
    layOut();
    EXPECT_EQ(boundsOf(child), (Bounds{3, 2, 46, 28}));
}

TEST_F(JovGridBagLayoutTest, FillDecidesWhichDirectionsTakeTheWholeCell) {
    struct Case {
        int fill;
        Bounds expected;
    };
    for (const Case& test :
         {Case{Constraints::NONE, {40, 20, 20, 10}}, Case{Constraints::BOTH, {0, 0, 100, 50}},
          Case{Constraints::HORIZONTAL, {0, 20, 100, 10}},
          Case{Constraints::VERTICAL, {40, 0, 20, 50}}}) {
        makeGrid(100, 50);
        Constraints constraints;
        constraints.fill = test.fill;
        JovComponent* child = addAlone(constraints);
        layOut();
        EXPECT_EQ(boundsOf(child), test.expected) << "fill " << test.fill;
        dropContainer();
    }
}

TEST_F(JovGridBagLayoutTest, AnchorPlacesTheChildInTheSpareRoom) {
    // 80 pixels to spare across, 40 down.
    struct Case {
        int anchor;
        int x;
        int y;
    };
    for (const Case& test : {Case{Constraints::CENTER, 40, 20}, Case{Constraints::NORTH, 40, 0},
                             Case{Constraints::NORTHEAST, 80, 0}, Case{Constraints::EAST, 80, 20},
                             Case{Constraints::SOUTHEAST, 80, 40}, Case{Constraints::SOUTH, 40, 40},
                             Case{Constraints::SOUTHWEST, 0, 40}, Case{Constraints::WEST, 0, 20},
                             Case{Constraints::NORTHWEST, 0, 0}}) {
        makeGrid(100, 50);
        Constraints constraints;
        constraints.anchor = test.anchor;
        JovComponent* child = addAlone(constraints);
        layOut();
        EXPECT_EQ(boundsOf(child), (Bounds{test.x, test.y, 20, 10})) << "anchor " << test.anchor;
        dropContainer();
    }
}

TEST_F(JovGridBagLayoutTest, IllegalAnchorWritesItsLineAndKeepsTheInsetCellOrigin) {
    makeGrid(100, 50);
    Constraints constraints;
    constraints.anchor = 9;
    constraints.insets = JovInsets(5, 6, 0, 0);
    JovComponent* child = addAlone(constraints);
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

TEST_F(JovGridBagLayoutTest, ChildWithoutConstraintsIsPlacedRelativelyWithoutComplaint) {
    makeGrid(50, 10);
    JovComponent* first = nullptr;
    JovComponent* second = nullptr;
    const std::string errors = errorsOf([&] {
        first = addSized(20, 10);
        second = addSized(30, 10);
        layOut();
    });
    EXPECT_EQ(errors, "");
    EXPECT_EQ(boundsOf(first), (Bounds{0, 0, 20, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{20, 0, 30, 10}));
}

TEST_F(JovGridBagLayoutTest, LayoutKeepsItsOwnCopyOfTheConstraints) {
    makeGrid(50, 10);
    Constraints constraints = at(1, 0);
    JovComponent* child = addSized(20, 10, constraints);
    constraints.gridx = 7;
    EXPECT_EQ(layout->getConstraints(child).gridx, 1);
    Constraints copy = layout->getConstraints(child);
    copy.gridx = 5;
    EXPECT_EQ(layout->getConstraints(child).gridx, 1);
}

TEST_F(JovGridBagLayoutTest, ChildMovedToAnotherContainerLeavesItsConstraintsBehind) {
    makeGrid(50, 10);
    JovComponent* child = addSized(20, 10, at(3, 4));
    JovPanel* other = new JovPanel();
    other->addRef();
    other->add(child);
    EXPECT_EQ(layout->getConstraints(child).gridx, Constraints::RELATIVE);
    other->release();
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

TEST_F(JovGridBagLayoutTest, ChildSqueezedToNothingIsParkedAtTheOrigin) {
    makeGrid(0, 10);
    Constraints constraints;
    constraints.weightx = 1.0;
    constraints.insets = JovInsets(0, 20, 0, 20);
    JovComponent* child = addSized(10, 10, constraints);
    child->setBounds(5, 5, 5, 5);
    layOut();
    EXPECT_EQ(boundsOf(child), (Bounds{0, 0, 0, 0}));
}

TEST_F(JovGridBagLayoutTest, ColumnAndRowOverridesSetStartingSizes) {
    makeGrid(0, 0);
    layout->columnWidths = {50, 20};
    layout->rowHeights = {5};
    addSized(30, 10, at(0, 0));
    EXPECT_EQ(preferred().width, 70);
    EXPECT_EQ(preferred().height, 10);
}

TEST_F(JovGridBagLayoutTest, WeightOverridesTakeSpareRoom) {
    makeGrid(100, 10);
    layout->columnWeights = {0.0, 1.0};
    JovComponent* a = addSized(30, 10, at(0, 0));
    Constraints filling = at(1, 0);
    filling.fill = Constraints::BOTH;
    JovComponent* b = addSized(30, 10, filling);
    layOut();
    EXPECT_EQ(boundsOf(a), (Bounds{0, 0, 30, 10}));
    EXPECT_EQ(boundsOf(b), (Bounds{30, 0, 70, 10}));
}

TEST_F(JovGridBagLayoutTest, PreferredSizeIsTheGridPlusContainerInsets) {
    makeGrid(0, 0);
    setInsets(1, 2, 3, 4);
    addSized(30, 10, Constraints());
    addSized(40, 20, withWidth(Constraints::REMAINDER));
    addSized(50, 5, withWidth(Constraints::REMAINDER));
    EXPECT_EQ(preferred().width, 30 + 40 + 2 + 4);
    EXPECT_EQ(preferred().height, 20 + 5 + 1 + 3);
}

TEST_F(JovGridBagLayoutTest, PositionsAndSpansBeyondTheGridAreKeptInside) {
    makeGrid(100, 50);
    JovComponent* far = addSized(20, 10, at(100000, INT_MAX, INT_MAX, 3));
    JovComponent* after = addSized(20, 10, at(INT_MIN, 0, INT_MIN, -1000));
    layOut();
    // Both end in the last column, one in the last row, the other in the first.
    const JovGridBagLayout::JovGridBagLayoutInfo& info = layout->getLayoutInfo();
    EXPECT_EQ(info.width, JovGridBagLayout::MAXIMUM_GRID_SIZE);
    EXPECT_EQ(info.height, JovGridBagLayout::MAXIMUM_GRID_SIZE);
    EXPECT_EQ(info.minWidth[JovGridBagLayout::MAXIMUM_GRID_SIZE - 1], 20);
    // A 20 x 20 grid centred in 100 x 50.
    EXPECT_EQ(boundsOf(far), (Bounds{40, 25, 20, 10}));
    EXPECT_EQ(boundsOf(after), (Bounds{40, 15, 20, 10}));
}

TEST_F(JovGridBagLayoutTest, UnusableWeightsCountAsNone) {
    makeGrid(100, 50);
    layout->columnWeights = {-5.0, 1.0};
    Constraints huge = at(0, 0);
    huge.weightx = 1e308;
    huge.weighty = -1.0;
    huge.fill = Constraints::BOTH;
    JovComponent* first = addSized(20, 10, huge);
    Constraints notANumber = at(1, 0);
    notANumber.weighty = std::nan("");
    notANumber.fill = Constraints::BOTH;
    JovComponent* second = addSized(20, 10, notANumber);
    layOut();
    // The huge weight takes all but a rounding pixel of the 60 spare; no row takes the 40.
    EXPECT_EQ(boundsOf(first), (Bounds{0, 20, 79, 10}));
    EXPECT_EQ(boundsOf(second), (Bounds{79, 20, 20, 10}));
}
