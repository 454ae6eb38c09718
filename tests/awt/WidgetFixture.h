// Fixture for the widget tests: a shown frame without layout on real Win32 controls, and
// listeners that record what the widgets report.
#pragma once

#include "ToolkitTest.h"
#include "awt/JovFrame.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovAdjustmentListener.h"
#include "awt/event/JovMouseListener.h"

#include <string>
#include <vector>

// Records action commands, document texts, adjustment values and mouse presses and releases in
// one log, in the order they arrive.
class EventLog : public JovActionListener,
                 public DocumentListener,
                 public JovAdjustmentListener,
                 public JovMouseListener {
public:
    void actionPerformed(JovActionEvent& event) override;
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;
    void adjustmentValueChanged(JovAdjustmentEvent& event) override;
    void mouseClicked(JovMouseEvent&) override {}
    void mouseEntered(JovMouseEvent&) override {}
    void mouseExited(JovMouseEvent&) override {}
    void mousePressed(JovMouseEvent&) override;
    void mouseReleased(JovMouseEvent&) override;

    std::vector<std::string> entries;
};

class WidgetFixture : public ToolkitTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds component to the frame at the given place, creating its control.
    HWND place(JovComponent* component, int x, int y, int width, int height);
    // Posts a key to window and handles it as the message loop does.
    void pressKey(HWND window, WPARAM key);
    // Types text into an edit window character by character.
    void type(HWND window, const char* text);
    static std::string windowText(HWND window);
    static LONG styleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

    JovFrame* frame = nullptr;
    EventLog log;
};
