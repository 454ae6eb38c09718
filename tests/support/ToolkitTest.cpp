// The native-window fixture: toolkit start, message pumping, the wait for disposed windows, and
// clicks, keys and typing posted to real controls.
#include "ToolkitTest.h"

#include "awt/JovComponent.h"
#include "awt/JovWindow.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovMToolkit.h"

#include <chrono>

namespace {

constexpr DWORD waitSlice = 10;
constexpr int settleMilliseconds = 50;
constexpr int textLength = 1024;
constexpr LPARAM firstKeyDown = 1;
constexpr LPARAM keyUp = static_cast<LPARAM>(0xC0000001);

} // namespace

int ToolkitTest::seenQuitCode = ToolkitTest::noQuit;

void ToolkitTest::SetUpTestSuite() {
    JovMToolkit::initialize(GetModuleHandleA(nullptr));
    JovWindow::getRootPane();
}

void ToolkitTest::SetUp() {
    LiveObjectTest::SetUp();
    seenQuitCode = noQuit;
}

void ToolkitTest::TearDown() {
    pumpUntil([this] { return JovObject::liveObjectCount() == expectedLive(); });
    LiveObjectTest::TearDown();
}

JovMToolkit& ToolkitTest::toolkit() {
    return *JovMToolkit::getToolkit();
}

bool ToolkitTest::pumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
    while (true) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                seenQuitCode = static_cast<int>(message.wParam);
                continue;
            }
            toolkit().handleMessage(message);
        }
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, waitSlice, QS_ALLINPUT);
    }
}

void ToolkitTest::pumpFor(int milliseconds) {
    pumpUntil([] { return false; }, milliseconds);
}

HWND ToolkitTest::windowOf(const JovComponent* component) {
    const JovComponentPeer* peer = component->getPeer();
    return peer != nullptr ? peer->getWindow() : nullptr;
}

void ToolkitTest::click(HWND window, int x, int y, WPARAM keys) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageA(window, WM_LBUTTONUP, keys, at);
    pumpFor(settleMilliseconds);
}

void ToolkitTest::pressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, firstKeyDown);
    PostMessageA(window, WM_KEYUP, key, keyUp);
    pumpFor(settleMilliseconds);
}

void ToolkitTest::type(HWND window, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(window, WM_CHAR, static_cast<unsigned char>(*c), firstKeyDown);
    }
    pumpFor(settleMilliseconds);
}

std::string ToolkitTest::windowText(HWND window) {
    char text[textLength] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
