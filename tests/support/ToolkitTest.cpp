// The native-window fixture: toolkit start, message pumping and the wait for disposed windows.
#include "ToolkitTest.h"

#include "awt/JovComponent.h"
#include "awt/JovWindow.h"
#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovMToolkit.h"

#include <chrono>

namespace {

constexpr DWORD waitSlice = 10;

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
