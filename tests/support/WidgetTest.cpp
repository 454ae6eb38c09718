// The widget tests' frame, and clicks posted to real controls.
#include "WidgetTest.h"

namespace {

constexpr int frameLeft = 40;
constexpr int frameTop = 40;
constexpr int frameWidth = 640;
constexpr int frameHeight = 480;
constexpr int settleMilliseconds = 50;
constexpr int textLength = 1024;
constexpr LPARAM firstKeyDown = 1;
constexpr LPARAM keyUp = static_cast<LPARAM>(0xC0000001);

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

void WidgetTest::pressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, firstKeyDown);
    PostMessageA(window, WM_KEYUP, key, keyUp);
    pumpFor(settleMilliseconds);
}

void WidgetTest::type(HWND window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(window, WM_CHAR, static_cast<unsigned char>(*c), firstKeyDown);
    }
    pumpFor(settleMilliseconds);
}

std::string WidgetTest::windowText(HWND window) {
    char text[textLength] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
