// Tab and Shift+Tab move the focus depth-first to the next visible, enabled, focusable component,
// wrapping around; the key is consumed only when the focus moved.
#include "EventLog.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/JovPanel.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovMToolkit.h"

#include <gtest/gtest.h>

namespace {

JovComponent* placed(int x, int y) {
    auto* component = new JovComponent;
    component->setBounds(x, y, 40, 20);
    return component;
}

void setShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

} // namespace

// frame: a, panel (b disabled, c hidden, d not focusable, e), f
class FocusTraversalTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        frame = new JovFrame("Fokus");
        frame->setLayout(nullptr);
        frame->setBounds(50, 50, 400, 300);
        a = frame->add(placed(10, 10));
        auto* panel = new JovPanel;
        panel->setBounds(10, 40, 300, 100);
        frame->add(panel);
        b = panel->add(placed(0, 0));
        c = panel->add(placed(50, 0));
        d = panel->add(placed(100, 0));
        e = panel->add(placed(150, 0));
        f = frame->add(placed(10, 200));
        b->setEnabled(false);
        c->hide();
        d->setFocusable(false);
        frame->show();
    }
    void TearDown() override {
        setShift(false);
        frame->dispose();
        ToolkitTest::TearDown();
    }

    void focus(JovComponent* component) {
        component->requestFocus();
        pumpUntil([component] { return GetFocus() == windowOf(component); }, 1000);
    }
    void pressTab(JovComponent* in) {
        PostMessageA(windowOf(in), WM_KEYDOWN, VK_TAB, 1);
        pumpFor(50);
    }
    JovComponent* focusOwner() const { return toolkit().getFocusOwner(); }

    JovFrame* frame = nullptr;
    JovComponent* a = nullptr;
    JovComponent* b = nullptr;
    JovComponent* c = nullptr;
    JovComponent* d = nullptr;
    JovComponent* e = nullptr;
    JovComponent* f = nullptr;
};

TEST_F(FocusTraversalTest, TabSkipsWhatCannotTakeTheFocusAndWrapsAroundBothWays) {
    focus(a);
    ASSERT_EQ(focusOwner(), a);
    pressTab(a);
    EXPECT_EQ(focusOwner(), e);
    pressTab(e);
    EXPECT_EQ(focusOwner(), f);
    pressTab(f);
    EXPECT_EQ(focusOwner(), a);
    setShift(true);
    pressTab(a);
    EXPECT_EQ(focusOwner(), f);
    pressTab(f);
    EXPECT_EQ(focusOwner(), e);
    pressTab(e);
    EXPECT_EQ(focusOwner(), a);
}

TEST_F(FocusTraversalTest, TabInTheWindowItselfFocusesTheFirstComponent) {
    focus(frame);
    pressTab(frame);
    EXPECT_EQ(focusOwner(), a);
}

TEST_F(FocusTraversalTest, OtherKeysOrTheOnlyFocusableOwnerKeepTheFocusAndTheEventUnconsumed) {
    focus(a);
    JovKeyEvent enter(a, JovKeyEvent::KEY_PRESSED, 0, 0, JovKeyEvent::KEY_ENTER, '\r');
    JovKeyEvent tabReleased(a, JovKeyEvent::KEY_RELEASED, 0, 0, JovKeyEvent::KEY_TAB, '\t');
    JovKeyEvent tab(a, JovKeyEvent::KEY_PRESSED, 0, 0, JovKeyEvent::KEY_TAB, '\t');
    e->setFocusable(false);
    f->setEnabled(false);
    for (JovKeyEvent* event : {&enter, &tabReleased, &tab}) {
        frame->dispatchEvent(*event);
        pumpFor(50);
        EXPECT_FALSE(event->isConsumed()) << event->getID();
        EXPECT_EQ(focusOwner(), a);
    }
}
