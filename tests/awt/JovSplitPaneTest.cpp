// The split pane's layout of both sides around the divider, and dragging the divider with real
// mouse messages under Wine.
#include "awt/JovSplitPane.h"

#include "WidgetTest.h"
#include "awt/JovPanel.h"
#include "awt/JovSplitPaneDivider.h"

#include <vector>

namespace {

constexpr int paneWidth = 400;
constexpr int paneHeight = 200;
constexpr int size = JovSplitPane::DEFAULT_DIVIDER_SIZE;

std::vector<int> placeOf(const JovComponent* component) {
    const JovRectangle bounds = component->getBounds();
    return {bounds.x, bounds.y, bounds.width, bounds.height};
}

class JovSplitPaneTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        left = new JovPanel();
        right = new JovPanel();
    }

    JovSplitPane* makePane(int orientation) {
        auto* pane = new JovSplitPane(orientation);
        pane->setLeftComponent(left);
        pane->setRightComponent(right);
        return pane;
    }

    // Positions are in the divider's window as it stood when the button went down; a single move
    // keeps them valid, since the window follows the mouse.
    void drag(HWND window, int fromX, int fromY, int toX, int toY) {
        PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY));
        PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
        PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
        pumpFor(50);
    }

    JovPanel* left = nullptr;
    JovPanel* right = nullptr;
};

TEST_F(JovSplitPaneTest, SidesShareTheWidthAroundTheDivider) {
    JovSplitPane* pane = makePane(JovSplitPane::HORIZONTAL_SPLIT);
    pane->setDividerLocation(150);
    place(pane, 0, 0, paneWidth, paneHeight);
    EXPECT_EQ(placeOf(left), (std::vector<int>{0, 0, 150, paneHeight}));
    EXPECT_EQ(placeOf(pane->getDivider()), (std::vector<int>{150, 0, size, paneHeight}));
    EXPECT_EQ(placeOf(right),
              (std::vector<int>{150 + size, 0, paneWidth - 150 - size, paneHeight}));
}

TEST_F(JovSplitPaneTest, DraggingTheDividerMovesItAndLaysOutBothSides) {
    JovSplitPane* pane = makePane(JovSplitPane::HORIZONTAL_SPLIT);
    pane->setDividerLocation(150);
    place(pane, 0, 0, paneWidth, paneHeight);
    const HWND divider = windowOf(pane->getDivider());
    ASSERT_NE(divider, nullptr);
    drag(divider, 2, 50, 62, 50);
    EXPECT_EQ(pane->getDividerLocation(), 210);
    EXPECT_EQ(left->getWidth(), 210);
    EXPECT_EQ(right->getX(), 210 + size);
    EXPECT_EQ(right->getWidth(), paneWidth - 210 - size);
    RECT shown;
    GetWindowRect(windowOf(left), &shown);
    EXPECT_EQ(shown.right - shown.left, 210);
    EXPECT_FALSE(pane->getDivider()->isDragging());
}

TEST_F(JovSplitPaneTest, TheDividerStaysInsideThePane) {
    JovSplitPane* pane = makePane(JovSplitPane::HORIZONTAL_SPLIT);
    pane->setDividerLocation(150);
    place(pane, 0, 0, paneWidth, paneHeight);
    drag(windowOf(pane->getDivider()), 2, 50, 900, 50);
    EXPECT_EQ(pane->getDividerLocation(), paneWidth - size - JovSplitPane::MINIMUM_SIDE);
    pane->setDividerLocation(0);
    EXPECT_EQ(pane->getDividerLocation(), JovSplitPane::MINIMUM_SIDE);
}

TEST_F(JovSplitPaneTest, ReplacingASideRemovesTheOldComponent) {
    JovSplitPane* pane = makePane(JovSplitPane::HORIZONTAL_SPLIT);
    auto* other = new JovPanel();
    pane->setRightComponent(other);
    EXPECT_EQ(pane->getRightComponent(), other);
    EXPECT_EQ(pane->getComponentCount(), 3);
    right = nullptr;
    pane->setLeftComponent(nullptr);
    EXPECT_EQ(pane->getLeftComponent(), nullptr);
    EXPECT_EQ(pane->getComponentCount(), 2);
    place(pane, 0, 0, paneWidth, paneHeight);
}

} // namespace
