// Message and question boxes: the real system message box, answered from a helper thread.
#include "awt/JovOptionPane.h"
#include "WidgetTest.h"
#include "awt/JovTextField.h"
#include "awt/windows/JovOptionPanePeer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr auto pollInterval = std::chrono::milliseconds(20);
constexpr int maximumPolls = 250;

// Closes the box titled title with its close box, noting whether its owner was disabled.
class BoxCloser {
public:
    BoxCloser(const char* title, HWND owner)
        : watcher([this, title, owner] {
              for (int poll = 0; poll < maximumPolls; ++poll) {
                  HWND box = FindWindowA("#32770", title);
                  if (box != nullptr) {
                      boxOwner = GetWindow(box, GW_OWNER);
                      ownerDisabled = owner != nullptr && !IsWindowEnabled(owner);
                      PostMessageA(box, WM_CLOSE, 0, 0);
                      return;
                  }
                  std::this_thread::sleep_for(pollInterval);
              }
          }) {}
    ~BoxCloser() { watcher.join(); }

    std::atomic<HWND> boxOwner{nullptr};
    std::atomic<bool> ownerDisabled{false};

private:
    std::thread watcher;
};

} // namespace

class JovOptionPaneTest : public WidgetTest {};

TEST_F(JovOptionPaneTest, AnInformationClosedWithTheCloseBoxReturnsTwo) {
    BoxCloser closer("Hinweis...", windowOf(frame));
    EXPECT_EQ(JovOptionPane::show(frame, JovString("Gespeichert."), "Hinweis...", 2),
              JovOptionPane::CLOSED_OPTION);
}

TEST_F(JovOptionPaneTest, TheBoxIsModalToTheTopLevelWindowOfTheParent) {
    auto* field = new JovTextField;
    place(field, 10, 10, 100, 24);
    BoxCloser closer("Datenbankfehler...", windowOf(frame));
    JovOptionPane::show(field, JovString("Fehler"), "Datenbankfehler...",
                        JovOptionPane::WARNING_MESSAGE);
    EXPECT_TRUE(closer.ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(windowOf(frame)));
}

TEST(JovOptionPanePeerTest, EachTypeHasItsIconAndButtonsAndEachButtonItsAnswer) {
    EXPECT_EQ(JovOptionPanePeer::boxStyle(1), 16u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(2), 64u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(3), 48u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(4), 36u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(0), 0u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(99), 0u);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDYES), 0);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDNO), 1);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDCANCEL), 2);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDIGNORE), 2);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDOK), 3);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDABORT), 4);
}
