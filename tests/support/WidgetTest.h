// Fixture for the widget and view tests: a shown frame without layout on real Win32 controls and a
// log of what the widgets report.
#pragma once

#include "EventLog.h"
#include "ToolkitTest.h"
#include "awt/JovFrame.h"

class WidgetTest : public ToolkitTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds component to the frame at the given place, creating its control.
    HWND place(JovComponent* component, int x, int y, int width, int height);

    JovFrame* frame = nullptr;
    EventLog log;
};
