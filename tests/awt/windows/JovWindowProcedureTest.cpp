// Win32 messages to library windows become the library's events: mouse presses, moves and
// exits, keys and their way up to the window, popup triggers.
#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovMToolkit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr LPARAM firstKeyDown = 1;
constexpr LPARAM repeatedKeyDown = 1 | (1 << 30);

// Records every event it processes: the text form of key and mouse events, the kind of others.
class Pad : public JovComponent {
public:
    explicit Pad(std::vector<std::string>& log, const char* name = "pad") : log(log), name(name) {}

    void processEvent(JovAWTEvent& event) override {
        if (dynamic_cast<JovKeyEvent*>(&event) != nullptr ||
            dynamic_cast<JovMouseEvent*>(&event) != nullptr) {
            log.push_back(name + " " + event.toString().chars());
        }
        if (auto* mouse = dynamic_cast<JovMouseEvent*>(&event)) {
            lastClickCount = mouse->getClickCount();
        }
        if (consumedKey != 0 && dynamic_cast<JovKeyEvent*>(&event) != nullptr &&
            static_cast<JovKeyEvent&>(event).getKeyCode() == consumedKey) {
            event.consume();
        }
        JovComponent::processEvent(event);
    }

    int consumedKey = 0;
    int lastClickCount = 0;

private:
    std::vector<std::string>& log;
    std::string name;
};

std::string mouseText(const char* kind, int x, int y, bool popup = false) {
    return std::string("pad ool.awt.event.JovMouseEvent[") + kind + ",(" + std::to_string(x) + "," +
           std::to_string(y) + "),popupTrigger=" + (popup ? "true" : "false") + "]";
}

std::string keyText(const char* kind, int code) {
    return std::string("pad ool.awt.event.JovKeyEvent[id=") + kind +
           ",keyCode=" + std::to_string(code) + ",keyChar=" + static_cast<char>(code) + "]";
}

} // namespace

class JovWindowProcedureTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        frame = new JovFrame;
        frame->setLayout(nullptr);
        frame->setBounds(50, 50, 400, 300);
        pad = new Pad(log);
        pad->setBounds(40, 60, 100, 50);
        frame->add(pad);
        frame->show();
        padWindow = windowOf(pad);
    }
    void TearDown() override {
        if (foreign != nullptr) {
            DestroyWindow(foreign);
        }
        frame->dispose();
        ToolkitTest::TearDown();
    }

    void moveCursorOverPad() {
        POINT centre = {50, 25};
        ClientToScreen(padWindow, &centre);
        SetCursorPos(centre.x, centre.y);
    }
    void moveCursorOverForeignWindow() {
        foreign = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "fremd", WS_POPUP | WS_VISIBLE, 900, 700,
                                  100, 100, nullptr, nullptr, nullptr, nullptr);
        SetCursorPos(950, 750);
    }
    void sendKey(UINT message, WPARAM key, LPARAM flags) {
        PostMessageA(padWindow, message, key, flags);
        pumpFor(30);
    }

    std::vector<std::string> log;
    JovFrame* frame = nullptr;
    Pad* pad = nullptr;
    HWND padWindow = nullptr;
    HWND foreign = nullptr;
};

TEST_F(JovWindowProcedureTest, PressAndReleaseGiveClickedAndADoubleClickIsAPressCountingTwo) {
    moveCursorOverPad();
    SendMessageA(padWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    EXPECT_EQ(GetCapture(), padWindow);
    EXPECT_EQ(GetFocus(), padWindow);
    SendMessageA(padWindow, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_PRESSED", 5, 6),
                                             mouseText("MOUSE_RELEASED", 5, 6),
                                             mouseText("MOUSE_CLICKED", 5, 6)}));
    EXPECT_EQ(pad->lastClickCount, 1);
    log.clear();
    SendMessageA(padWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(7, 8));
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_PRESSED", 7, 8)}));
    EXPECT_EQ(pad->lastClickCount, 2);
}

TEST_F(JovWindowProcedureTest, AReleaseAwayFromLibraryWindowsIsNoClick) {
    moveCursorOverForeignWindow();
    SendMessageA(padWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    SendMessageA(padWindow, WM_LBUTTONUP, 0, MAKELPARAM(500, 400));
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_PRESSED", 5, 6),
                                             mouseText("MOUSE_RELEASED", 500, 400)}));
}

TEST_F(JovWindowProcedureTest, MovesEnterOnceThenMoveOrDragAndTheFrameEdgeExits) {
    SendMessageA(padWindow, WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    SendMessageA(padWindow, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(3, 4));
    SendMessageA(windowOf(frame), WM_NCMOUSEMOVE, HTCAPTION, 0);
    EXPECT_EQ(log, (std::vector<std::string>{
                       mouseText("MOUSE_ENTERED", 1, 2), mouseText("MOUSE_MOVED", 1, 2),
                       mouseText("MOUSE_DRAGGED", 3, 4), mouseText("MOUSE_EXITED", 0, 0)}));
}

TEST_F(JovWindowProcedureTest, LeavingForAnotherProgramsWindowExitsWithinTheHoverPeriod) {
    moveCursorOverPad();
    SendMessageA(padWindow, WM_MOUSEMOVE, 0, MAKELPARAM(1, 2));
    moveCursorOverForeignWindow();
    const auto left = std::chrono::steady_clock::now();
    const std::string exited = mouseText("MOUSE_EXITED", 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return log.back() == exited; }, 2000));
    const auto waited = std::chrono::steady_clock::now() - left;
    EXPECT_LT(waited, std::chrono::milliseconds(800));
}

TEST_F(JovWindowProcedureTest, AHeldKeyGivesOnePressAndAReleaseAndAltAloneNone) {
    sendKey(WM_KEYDOWN, 'A', firstKeyDown);
    sendKey(WM_KEYDOWN, 'A', repeatedKeyDown);
    sendKey(WM_KEYDOWN, 'A', repeatedKeyDown);
    sendKey(WM_KEYUP, 'A', firstKeyDown);
    EXPECT_EQ(
        log, (std::vector<std::string>{keyText("KEY_PRESSED", 'A'), keyText("KEY_RELEASED", 'A')}));
    sendKey(WM_SYSKEYDOWN, VK_MENU, firstKeyDown);
    sendKey(WM_SYSKEYUP, VK_MENU, firstKeyDown);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(JovWindowProcedureTest, AnUnconsumedKeyGoesUpToTheWindowAndItsOtherChildren) {
    auto* sibling = new Pad(log, "sibling");
    sibling->setBounds(200, 60, 50, 50);
    sibling->consumedKey = 'E';
    frame->add(sibling);
    auto* hidden = new Pad(log, "hidden");
    frame->add(hidden);
    hidden->hide();
    sendKey(WM_KEYDOWN, 'E', firstKeyDown);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], keyText("KEY_PRESSED", 'E'));
    EXPECT_EQ(log[1], "sibling ool.awt.event.JovKeyEvent[id=KEY_PRESSED,keyCode=69,keyChar=E]");
}

TEST_F(JovWindowProcedureTest, ApplicationsKeyAndContextMenuRequestArePopupTriggersWhereTheyPoint) {
    sendKey(WM_KEYDOWN, VK_APPS, firstKeyDown);
    sendKey(WM_KEYUP, VK_APPS, firstKeyDown);
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_RELEASED", 0, 0, true)}));
    log.clear();
    POINT point = {12, 13};
    ClientToScreen(padWindow, &point);
    SendMessageA(windowOf(frame), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(padWindow),
                 MAKELPARAM(point.x, point.y));
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_RELEASED", 12, 13, true)}));
}
