// The view widgets' frame and the posted mouse clicks.

#include "ViewFixture.h"

#include "awt/JovFrame.h"

namespace {

constexpr int frameLeft = 40;
constexpr int frameTop = 40;
constexpr int settleMilliseconds = 50;

} // namespace

void ViewFixture::SetUp() {
    ToolkitTest::SetUp();
    frame = new JovFrame("Ansicht");
    frame->setLayout(nullptr);
    frame->setBounds(frameLeft, frameTop, frameWidth, frameHeight);
}

void ViewFixture::TearDown() {
    frame->dispose();
    ToolkitTest::TearDown();
}

void ViewFixture::showInFrame(JovComponent* component, int x, int y, int width, int height) {
    frame->add(component);
    component->setBounds(x, y, width, height);
    frame->show();
    pumpFor(settleMilliseconds);
}

void ViewFixture::click(HWND window, int x, int y, WPARAM keys) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageA(window, WM_LBUTTONUP, keys, at);
    pumpFor(settleMilliseconds);
}
