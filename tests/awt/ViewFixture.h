// Fixture for the view widgets: a frame without layout manager on screen, into which a test puts
// one widget at fixed bounds, and helpers that act on the native controls as the user would.
#pragma once

#include "ToolkitTest.h"

class JovComponent;
class JovFrame;

class ViewFixture : public ToolkitTest {
protected:
    static constexpr int frameWidth = 640;
    static constexpr int frameHeight = 480;

    void SetUp() override;
    void TearDown() override;

    // Puts component into the frame at the given bounds and shows the frame.
    void showInFrame(JovComponent* component, int x, int y, int width, int height);
    // A left click posted to window at the client position, handled before it returns.
    static void click(HWND window, int x, int y, WPARAM keys = 0);

    JovFrame* frame = nullptr;
};
