// The toolkit: the peer registry as windows come and go, the end of the message loop and the
// toolkit's small services.
#include "awt/windows/JovMToolkit.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/windows/JovComponentPeer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

std::string uniqueName(const char* base) {
    return std::string(base) + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount());
}

} // namespace

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

TEST_F(JovMToolkitTest, QuitFromThisOrAnotherThreadEndsTheMessageLoopWithItsExitCode) {
    frame->show();
    toolkit().quit(5);
    EXPECT_EQ(toolkit().runMessageLoop(), 5);
    std::thread other([] {
        Sleep(50);
        JovMToolkit::getToolkit()->quit(6);
    });
    EXPECT_EQ(toolkit().runMessageLoop(), 6);
    other.join();
}

TEST_F(JovMToolkitTest, TheSingleInstanceTestAnswersTrueOnceTheNameIsTaken) {
    const std::string name = uniqueName("Kalvenora-Test-");
    EXPECT_FALSE(toolkit().isAlreadyRunning(name.c_str()));
    EXPECT_TRUE(toolkit().isAlreadyRunning(name.c_str()));
}

TEST_F(JovMToolkitTest, TheFocusOwnerIsTheComponentOfTheFocusedWindow) {
    JovComponent* child = frame->add(new JovComponent);
    child->setBounds(10, 10, 30, 30);
    frame->show();
    child->requestFocus();
    EXPECT_EQ(toolkit().getFocusOwner(), child);
    const HWND foreign = CreateWindowExA(0, "STATIC", "fremd", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                         nullptr, nullptr, nullptr, nullptr);
    SetFocus(foreign);
    EXPECT_EQ(toolkit().getFocusOwner(), nullptr);
    EXPECT_EQ(toolkit().peerForWindow(foreign), nullptr);
    DestroyWindow(foreign);
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
