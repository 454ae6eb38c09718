// The toolkit: the peer registry as windows come and go, and the tool tips.
#include "awt/windows/JovMToolkit.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/windows/JovComponentPeer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

class JovMToolkitTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        frame = new JovFrame("Werkzeug");
        frame->addRef();
        frame->setLayout(nullptr);
        frame->setBounds(50, 50, 500, 400);
    }
    void TearDown() override {
        frame->dispose();
        frame->release();
        ToolkitTest::TearDown();
    }

    JovFrame* frame = nullptr;
};

TEST_F(JovMToolkitTest, DeletingADisplayableComponentDestroysItsWindow) {
    auto* window = new JovWindow;
    window->addRef();
    window->add(new JovComponent);
    window->pack();
    const HWND native = windowOf(window);
    const HWND child = windowOf(window->getComponent(0));
    ASSERT_TRUE(IsWindow(native));
    ASSERT_TRUE(IsWindow(child));
    window->release();
    EXPECT_FALSE(IsWindow(native));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(toolkit().peerForWindow(native), nullptr);
}

TEST_F(JovMToolkitTest, AChildAddedToAShownContainerGetsItsWindowAtOnceAndLosesItOnRemoval) {
    frame->show();
    JovComponent* late = frame->add(new JovComponent);
    ASSERT_NE(windowOf(late), nullptr);
    EXPECT_EQ(GetParent(windowOf(late)), windowOf(frame));
    const HWND window = windowOf(late);
    frame->remove(late);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(toolkit().peerForWindow(window), nullptr);
}

TEST_F(JovMToolkitTest, AToolTipTextRegistersAToolThatGoesWithTheText) {
    JovComponent* child = frame->add(new JovComponent);
    child->setToolTipText("Dieses Datum wird bei 'Zu verbrauchen bis' eingetragen.");
    frame->show();
    EXPECT_EQ(SendMessageA(toolkit().getToolTip(), TTM_GETTOOLCOUNT, 0, 0), 1);
    child->setToolTipText("");
    EXPECT_EQ(SendMessageA(toolkit().getToolTip(), TTM_GETTOOLCOUNT, 0, 0), 0);
    child->setToolTipText("Tipp");
    frame->remove(child);
    EXPECT_EQ(SendMessageA(toolkit().getToolTip(), TTM_GETTOOLCOUNT, 0, 0), 0);
}
