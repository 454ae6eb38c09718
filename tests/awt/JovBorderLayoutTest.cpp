// Edge placement, the two gaps, insets, replacing the centre and the preferred size.
#include "CapturedOutput.h"
#include "LayoutTest.h"

#include "awt/JovBorderLayout.h"
#include "lang/JovInteger.h"

namespace {

std::shared_ptr<const JovObject> place(const char* name) {
    return std::make_shared<JovString>(name);
}

// North 50x20, south 60x30, west 40x10, centre 100x50, east 70x15, ending at the given bounds.
std::vector<LayoutChild> fivePlaces(Bounds north, Bounds south, Bounds west, Bounds center,
                                    Bounds east) {
    return {{50, 20, north, place(JovBorderLayout::NORTH)},
            {60, 30, south, place(JovBorderLayout::SOUTH)},
            {40, 10, west, place(JovBorderLayout::WEST)},
            {100, 50, center, place(JovBorderLayout::CENTER)},
            {70, 15, east, place(JovBorderLayout::EAST)}};
}

const LayoutCase borderCases[] = {
    {"EdgesTakeTheirPreferredExtentAndTheCentreTheRest", [] { return new JovBorderLayout(); }, 300,
     200,
     fivePlaces({0, 0, 300, 20}, {0, 170, 300, 30}, {0, 20, 40, 150}, {40, 20, 190, 150},
                {230, 20, 70, 150})},
    // Rows: 20 + 4 above the middle, 4 + 30 below it; columns: 40 + 6 and 6 + 70.
    {"FirstGapSpacesTheRowsAndSecondGapTheColumns", [] { return new JovBorderLayout(4, 6); }, 300,
     200,
     fivePlaces({0, 0, 300, 20}, {0, 170, 300, 30}, {0, 24, 40, 142}, {46, 24, 178, 142},
                {230, 24, 70, 142})},
    {"InsetsShrinkTheFreeArea",
     [] { return new JovBorderLayout(); },
     300,
     200,
     fivePlaces({2, 1, 294, 20}, {2, 167, 294, 30}, {2, 21, 40, 146}, {42, 21, 184, 146},
                {226, 21, 70, 146}),
     {1, 2, 3, 4}},
};

LAYOUT_CASES(JovBorderLayout, borderCases);

} // namespace

class JovBorderLayoutTest : public LayoutTest {
protected:
    // The five places of the first case, without laying them out.
    void addFivePlaces() {
        for (const LayoutChild& child : borderCases[0].children) {
            placed.push_back(addSized(child.width, child.height, *child.constraints));
        }
    }

    std::vector<JovComponent*> placed;
};

TEST_F(JovBorderLayoutTest, NorthWithoutHeightAddsNoGap) {
    makeContainer(new JovBorderLayout(4, 0), 300, 200);
    // No preferred size and no size yet: preferred height 0.
    JovComponent* emptyNorth = new JovComponent();
    container->add(emptyNorth, JovString(JovBorderLayout::NORTH));
    JovComponent* middle = addSized(10, 10, JovString(JovBorderLayout::CENTER));
    layOut();
    EXPECT_EQ(boundsOf(emptyNorth), (Bounds{0, 0, 300, 0}));
    EXPECT_EQ(boundsOf(middle), (Bounds{0, 0, 300, 200}));
}

TEST_F(JovBorderLayoutTest, HiddenPlacesAreSkipped) {
    makeContainer(new JovBorderLayout(4, 0), 300, 200);
    addFivePlaces();
    placed[0]->hide();
    layOut();
    EXPECT_EQ(boundsOf(placed[0]), (Bounds{0, 0, 0, 0}));
    EXPECT_EQ(boundsOf(placed[3]), (Bounds{40, 0, 190, 166}));
}

TEST_F(JovBorderLayoutTest, ChildWithoutConstraintsIsTheCentreUntilASecondCentreRemovesIt) {
    makeContainer(new JovBorderLayout(), 300, 200);
    const JovReference<JovComponent> first(addSized(10, 10));
    layOut();
    EXPECT_EQ(boundsOf(first.get()), (Bounds{0, 0, 300, 200}));
    JovComponent* second = addSized(20, 20, JovString(JovBorderLayout::CENTER));
    EXPECT_EQ(container->getComponentCount(), 1);
    EXPECT_EQ(container->getComponent(0), second);
    EXPECT_EQ(first->getParent(), nullptr);
    layOut();
    EXPECT_EQ(boundsOf(second), (Bounds{0, 0, 300, 200}));
}

TEST_F(JovBorderLayoutTest, OtherConstraintsAreIgnoredSilently) {
    makeContainer(new JovBorderLayout(), 300, 200);
    JovComponent* misspelt = nullptr;
    JovComponent* number = nullptr;
    const std::string errors = errorsOf([&] {
        misspelt = addSized(10, 10, JovString("north"));
        number = addSized(10, 10, JovInteger(1));
        layOut();
    });
    EXPECT_EQ(errors, "");
    EXPECT_EQ(container->getComponentCount(), 2);
    EXPECT_EQ(boundsOf(misspelt), (Bounds{0, 0, 0, 0}));
    EXPECT_EQ(boundsOf(number), (Bounds{0, 0, 0, 0}));
}

TEST_F(JovBorderLayoutTest, PreferredSizeLeavesOutTheGapsOfEmptyPlaces) {
    makeContainer(new JovBorderLayout(4, 6), 300, 200);
    addSized(50, 20, JovString(JovBorderLayout::NORTH));
    addSized(60, 30, JovString(JovBorderLayout::SOUTH));
    // North and south alone: one row gap, no column gap.
    EXPECT_EQ(preferred().width, 60);
    EXPECT_EQ(preferred().height, 20 + 30 + 4);
    addSized(40, 10, JovString(JovBorderLayout::WEST));
    addSized(70, 10, JovString(JovBorderLayout::EAST));
    // No centre: one column gap between west and east; with a middle row: two row gaps.
    EXPECT_EQ(preferred().width, 40 + 70 + 6);
    EXPECT_EQ(preferred().height, 20 + 10 + 30 + 8);
    setInsets(1, 2, 3, 4);
    addSized(100, 50, JovString(JovBorderLayout::CENTER));
    EXPECT_EQ(preferred().width, 40 + 100 + 70 + 2 * 6 + 2 + 4);
    EXPECT_EQ(preferred().height, 50 + 20 + 30 + 2 * 4 + 1 + 3);
}
