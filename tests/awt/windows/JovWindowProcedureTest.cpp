// Win32 messages to library windows become the library's events: mouse, keys, control
// notifications, activation and painting.
#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/JovGraphics.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovWindowEvent.h"
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
        if (auto* document = dynamic_cast<DocumentEvent*>(&event)) {
            log.push_back(name + " document " + document->getText().chars());
        } else if (dynamic_cast<JovKeyEvent*>(&event) != nullptr ||
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

    void paint(JovGraphics& graphics) override {
        ++paints;
        colorInPaint = graphics.getColor();
    }

    int consumedKey = 0;
    int lastClickCount = 0;
    int paints = 0;
    JovColor colorInPaint;

private:
    std::vector<std::string>& log;
    std::string name;
};

class WindowEventFrame : public JovFrame {
public:
    void processWindowEvent(JovWindowEvent& event) override { ids.push_back(event.getID()); }
    std::vector<int> ids;
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
        frame = new WindowEventFrame;
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
    WindowEventFrame* frame = nullptr;
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

TEST_F(JovWindowProcedureTest, AKeyConsumedByTheFocusedComponentGoesNoFurther) {
    auto* sibling = new Pad(log, "sibling");
    frame->add(sibling);
    pad->consumedKey = 'X';
    sendKey(WM_KEYDOWN, 'X', firstKeyDown);
    EXPECT_EQ(log, (std::vector<std::string>{keyText("KEY_PRESSED", 'X')}));
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

TEST_F(JovWindowProcedureTest, ControlNotificationsGiveAClickAtTheOriginAndTheWholeText) {
    SendMessageA(windowOf(frame), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(padWindow));
    EXPECT_EQ(log, (std::vector<std::string>{mouseText("MOUSE_PRESSED", 0, 0),
                                             mouseText("MOUSE_RELEASED", 0, 0)}));
    log.clear();
    SetWindowTextA(padWindow, "Möhren");
    SendMessageA(windowOf(frame), WM_COMMAND, MAKEWPARAM(0, EN_CHANGE),
                 reinterpret_cast<LPARAM>(padWindow));
    SetWindowTextA(padWindow, "Möhren, gegart");
    SendMessageA(windowOf(frame), WM_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(padWindow));
    EXPECT_EQ(log,
              (std::vector<std::string>{"pad document Möhren", "pad document Möhren, gegart"}));
}

TEST_F(JovWindowProcedureTest, ActivationAndTheCloseRequestReachTheWindowHook) {
    frame->ids.clear();
    SendMessageA(windowOf(frame), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(windowOf(frame), WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageA(windowOf(frame), WM_CLOSE, 0, 0);
    EXPECT_EQ(frame->ids,
              (std::vector<int>{JovWindowEvent::WINDOW_DEACTIVATED,
                                JovWindowEvent::WINDOW_ACTIVATED, JovWindowEvent::WINDOW_CLOSING}));
    EXPECT_TRUE(IsWindow(windowOf(frame)));
}

TEST_F(JovWindowProcedureTest, PaintingFillsAnOpaqueBackgroundThenPaintsInTheForeground) {
    pad->setBackground(JovColor(255, 0, 0));
    pad->setForeground(JovColor(0, 0, 255));
    RedrawWindow(padWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_GT(pad->paints, 0);
    EXPECT_STREQ(pad->colorInPaint.toString().chars(), "ool.awt.JovColor[r=0,g=0,b=255,a=255]");
    HDC context = GetDC(padWindow);
    EXPECT_EQ(GetPixel(context, 3, 3), RGB(255, 0, 0));
    ReleaseDC(padWindow, context);
}

TEST_F(JovWindowProcedureTest, ATransparentComponentIsErasedInTheColourOfItsBackdrop) {
    frame->setBackground(JovColor(0, 128, 0));
    frame->remove(pad);
    pad = new Pad(log);
    pad->setBounds(40, 60, 100, 50);
    frame->add(pad);
    padWindow = windowOf(pad);
    RedrawWindow(padWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC context = GetDC(padWindow);
    EXPECT_EQ(GetPixel(context, 3, 3), RGB(0, 128, 0));
    ReleaseDC(padWindow, context);
}
