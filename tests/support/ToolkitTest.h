// Fixture for tests with native windows: the toolkit exists before the first live-object count,
// waits handle messages, disposed windows must be gone before the count is checked, and helpers
// act on controls as the user would.
#pragma once

#include "LiveObjectTest.h"

#include <functional>
#include <string>
#include <windows.h>

class JovComponent;
class JovMToolkit;

class ToolkitTest : public LiveObjectTest {
protected:
    static constexpr int defaultTimeout = 5000;
    static constexpr int noQuit = -1;

    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    static JovMToolkit& toolkit();
    // Handles messages as the message loop does until condition holds or the time is up;
    // answers the condition.
    static bool pumpUntil(const std::function<bool()>& condition,
                          int timeoutMilliseconds = defaultTimeout);
    static void pumpFor(int milliseconds);
    // The native window of component's peer, or null.
    static HWND windowOf(const JovComponent* component);
    // A left click posted to window at the client position, handled before it returns.
    static void click(HWND window, int x, int y, WPARAM keys = 0);
    static void pressKey(HWND window, WPARAM key);
    static void type(HWND window, const char* text);
    static std::string windowText(HWND window);

    // The exit code of the last quit message seen while pumping, or noQuit.
    static int seenQuitCode;
};
