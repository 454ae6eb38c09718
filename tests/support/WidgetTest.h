// Fixture for the widget and view tests: a shown frame without layout on real Win32 controls,
// helpers that act on the controls as the user would, and a log of what the widgets report.
#pragma once

#include "EventLog.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"

#include <string>

class WidgetTest : public ToolkitTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds component to the frame at the given place, creating its control.
    HWND place(JovComponent* component, int x, int y, int width, int height);
    // A left click posted to window at the client position, handled before it returns.
    static void click(HWND window, int x, int y, WPARAM keys = 0);
    static void pressKey(HWND window, WPARAM key);
    static void type(HWND window, const char* text);
    static std::string windowText(HWND window);

    JovFrame* frame = nullptr;
    EventLog log;
};
