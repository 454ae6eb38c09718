// Top-level windows: deferred removal after dispose, the end of the message loop, the state set
// before showing and owned windows.
#include "ToolkitTest.h"
#include "awt/JovDialog.h"
#include "awt/JovFrame.h"
#include "awt/event/JovWindowEvent.h"
#include "awt/windows/JovMToolkit.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

constexpr int watchdogExitCode = 99;
constexpr int watchdogMilliseconds = 10000;

// Records its window events; on a close request it may dispose itself, as the main frame does.
class EventFrame : public JovFrame {
public:
    EventFrame(std::vector<int>& events, bool& deleted, bool disposeOnClose)
        : events(events), deleted(deleted), disposeOnClose(disposeOnClose) {}
    ~EventFrame() override { deleted = true; }

    void processWindowEvent(JovWindowEvent& event) override {
        events.push_back(event.getID());
        if (event.getID() == JovWindowEvent::WINDOW_CLOSING && disposeOnClose) {
            dispose();
            // The window is removed only after this handler returned.
            aliveAfterDispose = !deleted && getParent() != nullptr;
        }
    }

    bool aliveAfterDispose = false;

private:
    std::vector<int>& events;
    bool& deleted;
    bool disposeOnClose;
};

// Ends a message loop that the test expects to end by itself, should it not.
class Watchdog {
public:
    Watchdog()
        : thread([this] {
              if (WaitForSingleObject(stopEvent, watchdogMilliseconds) == WAIT_TIMEOUT) {
                  JovMToolkit::getToolkit()->quit(watchdogExitCode);
              }
          }) {}
    ~Watchdog() {
        SetEvent(stopEvent);
        thread.join();
        CloseHandle(stopEvent);
    }

private:
    HANDLE stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread thread;
};

} // namespace

class JovWindowTest : public ToolkitTest {
protected:
    EventFrame* shownFrame(bool disposeOnClose = false) {
        auto* frame = new EventFrame(events, deleted, disposeOnClose);
        frame->setBounds(50, 50, 300, 200);
        frame->show();
        return frame;
    }

    std::vector<int> events;
    bool deleted = false;
};

TEST_F(JovWindowTest, DisposingTheLastWindowFromItsCloseHandlerEndsTheLoopWithZero) {
    EventFrame* frame = shownFrame(true);
    const HWND window = windowOf(frame);
    PostMessageA(window, WM_CLOSE, 0, 0);
    Watchdog watchdog;
    EXPECT_EQ(toolkit().runMessageLoop(), 0);
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(JovWindow::getRootPane()->getComponentCount(), 0);
}

// Its destructor takes a while, as the main frame's does while it takes its panels apart.
class SlowlyDeletedFrame : public JovFrame {
public:
    explicit SlowlyDeletedFrame(bool& deleted) : deleted(deleted) {}
    ~SlowlyDeletedFrame() override {
        Sleep(300);
        deleted = true;
    }

private:
    bool& deleted;
};

TEST_F(JovWindowTest, TheLoopEndsOnlyOnceEveryDisposedWindowIsDeleted) {
    bool slowDeleted = false;
    auto* slow = new SlowlyDeletedFrame(slowDeleted);
    slow->setBounds(50, 50, 300, 200);
    slow->show();
    EventFrame* quick = shownFrame();
    slow->dispose();
    quick->dispose();
    Watchdog watchdog;
    EXPECT_EQ(toolkit().runMessageLoop(), 0);
    EXPECT_TRUE(slowDeleted) << "the loop ended while a window was still being deleted";
}

TEST_F(JovWindowTest, TheWindowOutlivesTheHandlerThatDisposesIt) {
    EventFrame* frame = shownFrame(true);
    SendMessageA(windowOf(frame), WM_CLOSE, 0, 0);
    EXPECT_TRUE(frame->aliveAfterDispose);
    EXPECT_TRUE(pumpUntil([this] { return deleted; }));
    EXPECT_TRUE(pumpUntil([] { return seenQuitCode == 0; }));
}

TEST_F(JovWindowTest, FrameStateAndNormalBoundsSetBeforeShowingApplyWhenShown) {
    auto* frame = new EventFrame(events, deleted, false);
    frame->setTitle("Kalvenora - Etikett ");
    frame->setBounds(100, 100, 800, 600);
    frame->setNormalBounds(JovRectangle(120, 110, 640, 480));
    frame->setExtendedState(JovFrame::MAXIMIZED_BOTH);
    frame->show();
    EXPECT_EQ(frame->getExtendedState(), JovFrame::MAXIMIZED_BOTH);
    EXPECT_TRUE(IsZoomed(windowOf(frame)));
    EXPECT_STREQ(frame->getNormalBounds().toString().chars(),
                 "ool.awt.JovRectangle[x=120,y=110,width=640,height=480]");
    EXPECT_EQ(windowText(windowOf(frame)), "Kalvenora - Etikett ");
    frame->dispose();
}

TEST_F(JovWindowTest, AnOwnedDialogNeverShownIsDeletedWithItsOwner) {
    auto* frame = new EventFrame(events, deleted, false);
    bool dialogDeleted = false;
    struct FlaggedDialog : JovDialog {
        FlaggedDialog(JovWindow* owner, bool& flag) : JovDialog(owner), flag(flag) {}
        ~FlaggedDialog() override { flag = true; }
        bool& flag;
    };
    auto* dialog = new FlaggedDialog(frame, dialogDeleted);
    EXPECT_EQ(dialog->getOwner(), frame);
    frame->show();
    frame->dispose();
    EXPECT_TRUE(pumpUntil([&] { return deleted && dialogDeleted; }));
}
