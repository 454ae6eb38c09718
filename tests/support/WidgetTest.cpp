// The widget tests' frame.
#include "WidgetTest.h"

namespace {

constexpr int frameLeft = 40;
constexpr int frameTop = 40;
constexpr int frameWidth = 640;
constexpr int frameHeight = 480;
constexpr int settleMilliseconds = 50;

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
