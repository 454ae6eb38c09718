#include "WidgetFixture.h"

#include "awt/event/JovAdjustmentEvent.h"

namespace {
constexpr int keyPause = 30;
constexpr LPARAM firstKeyDown = 1;
constexpr LPARAM keyUp = static_cast<LPARAM>(0xC0000001);
} // namespace

void EventLog::actionPerformed(JovActionEvent& event) {
    entries.push_back(std::string("action ") + event.getActionCommand().chars());
}

void EventLog::insertUpdate(DocumentEvent& event) {
    entries.push_back(std::string("insert ") + event.getText().chars());
}

void EventLog::removeUpdate(DocumentEvent& event) {
    entries.push_back(std::string("remove ") + event.getText().chars());
}

void EventLog::changedUpdate(DocumentEvent& event) {
    entries.push_back(std::string("document ") + event.getText().chars());
}

void EventLog::adjustmentValueChanged(JovAdjustmentEvent& event) {
    entries.push_back("adjustment " + std::to_string(event.getAdjustmentType()) + " " +
                      std::to_string(event.getValue()));
}

void EventLog::mousePressed(JovMouseEvent&) {
    entries.push_back("pressed");
}

void EventLog::mouseReleased(JovMouseEvent&) {
    entries.push_back("released");
}

void WidgetFixture::SetUp() {
    ToolkitTest::SetUp();
    frame = new JovFrame("Widgets");
    frame->setLayout(nullptr);
    frame->setBounds(40, 40, 500, 400);
    frame->show();
}

void WidgetFixture::TearDown() {
    frame->dispose();
    ToolkitTest::TearDown();
}

HWND WidgetFixture::place(JovComponent* component, int x, int y, int width, int height) {
    component->setBounds(x, y, width, height);
    frame->add(component);
    pumpFor(keyPause);
    return windowOf(component);
}

void WidgetFixture::pressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, firstKeyDown);
    PostMessageA(window, WM_KEYUP, key, keyUp);
    pumpFor(keyPause);
}

void WidgetFixture::type(HWND window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(window, WM_CHAR, static_cast<unsigned char>(*c), firstKeyDown);
    }
    pumpFor(keyPause);
}

std::string WidgetFixture::windowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
