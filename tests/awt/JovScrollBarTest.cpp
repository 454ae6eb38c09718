// Scroll bars: the value's limits, the moves of the real SCROLLBAR control and their events.
#include "awt/JovScrollBar.h"
#include "WidgetTest.h"
#include "awt/event/JovAdjustmentEvent.h"

#include <gtest/gtest.h>

class JovScrollBarTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        bar = new JovScrollBar(JovScrollBar::VERTICAL, 10, 20, 0, 100);
        bar->setUnitIncrement(3);
        bar->setBlockIncrement(15);
        bar->addAdjustmentListener(&log);
    }
    void scroll(HWND window, int request, int position = 0) {
        SendMessageA(GetParent(window), WM_VSCROLL, MAKEWPARAM(request, position),
                     reinterpret_cast<LPARAM>(window));
    }
    static int controlPosition(HWND window) { return GetScrollPos(window, SB_CTL); }

    JovScrollBar* bar = nullptr;
};

TEST_F(JovScrollBarTest, TheValueStaysBetweenMinimumAndMaximumLessTheVisibleAmount) {
    bar->setValue(95);
    EXPECT_EQ(bar->getValue(), 80);
    bar->setValue(-4);
    EXPECT_EQ(bar->getValue(), 0);
    bar->setValues(5, 500, 0, 100);
    EXPECT_EQ(bar->getVisibleAmount(), 100);
    EXPECT_EQ(bar->getValue(), 0);
    bar->setValues(5, 10, 50, 20);
    EXPECT_EQ(bar->getMaximum(), 50) << "a maximum below the minimum is the minimum";
    delete bar;
}

TEST_F(JovScrollBarTest, TheControlTakesTheValuesAndLinesPagesAndTheThumbMoveAndReportIt) {
    HWND window = place(bar, 10, 10, 16, 200);
    EXPECT_NE(styleOf(window) & SBS_VERT, 0);
    SCROLLINFO info = {sizeof info, SIF_ALL};
    GetScrollInfo(window, SB_CTL, &info);
    EXPECT_EQ(info.nPos, 10);
    EXPECT_EQ(info.nPage, 20u);
    EXPECT_EQ(info.nMax, 99);
    scroll(window, SB_LINEDOWN);
    scroll(window, SB_PAGEDOWN);
    scroll(window, SB_LINEUP);
    scroll(window, SB_THUMBTRACK, 42);
    scroll(window, SB_PAGEUP);
    const auto entry = [](int type, int value) {
        return "adjustment " + std::to_string(type) + " " + std::to_string(value);
    };
    EXPECT_EQ(log.entries, (Entries{entry(JovAdjustmentEvent::UNIT_INCREMENT, 13),
                                    entry(JovAdjustmentEvent::BLOCK_INCREMENT, 28),
                                    entry(JovAdjustmentEvent::UNIT_DECREMENT, 25),
                                    entry(JovAdjustmentEvent::TRACK, 42),
                                    entry(JovAdjustmentEvent::BLOCK_DECREMENT, 27)}));
    EXPECT_EQ(controlPosition(window), 27);
}

TEST_F(JovScrollBarTest, APageBeyondTheEndStopsThere) {
    HWND window = place(bar, 10, 10, 16, 200);
    for (int i = 0; i < 10; ++i) {
        scroll(window, SB_PAGEDOWN);
    }
    EXPECT_EQ(bar->getValue(), 80);
    EXPECT_EQ(controlPosition(window), 80);
    scroll(window, SB_ENDSCROLL);
    EXPECT_EQ(log.entries.size(), 10u) << "the end of a scroll is no move";
}
