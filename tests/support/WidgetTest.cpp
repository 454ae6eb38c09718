// The widget tests' frame, and clicks posted to real controls.
#include "WidgetTest.h"

namespace {

constexpr int frameLeft = 40;
constexpr int frameTop = 40;
constexpr int frameWidth = 640;
constexpr int frameHeight = 480;
constexpr int settleMilliseconds = 50;
constexpr int textLength = 1024;

} // namespace

void WidgetTest::SetUp() {
    ToolkitTest::SetUp();
    frame = new JovFrame("Widgets");
    frame->setLayout(nullptr);
    frame->setBounds(frameLeft, frameTop, frameWidth, frameHeight);
    frame->show();
}

void WidgetTest::TearDown() {
    frame->dispose();
    ToolkitTest::TearDown();
}

HWND WidgetTest::place(JovComponent* component, int x, int y, int width, int height) {
    component->setBounds(x, y, width, height);
    frame->add(component);
    // Containers placed in the shown frame lay out their children as showing it would.
    frame->validate();
    pumpFor(settleMilliseconds);
    return windowOf(component);
}

void WidgetTest::click(HWND window, int x, int y, WPARAM keys) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageA(window, WM_LBUTTONUP, keys, at);
    pumpFor(settleMilliseconds);
}

std::string WidgetTest::windowText(HWND window) {
    char text[textLength] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
