// Drives a modal dialog as a user would: steps run one after another on the UI thread from inside
// the dialog's own message loop, each after the messages the previous one posted were handled. A
// dialog still open after the last step is closed, so a failing test cannot hang.
#pragma once

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class UserSteps {
public:
    using Step = std::function<void()>;

    // Starts at once; the steps begin to run when a message loop handles timers.
    UserSteps(HWND dialog, std::vector<Step> steps);
    ~UserSteps();
    UserSteps(const UserSteps&) = delete;
    UserSteps& operator=(const UserSteps&) = delete;

    // How many steps ran to their end.
    int finishedSteps() const { return finished; }

    // What a user does: focus and select a field's text and type over it, press a key in the
    // window with the focus, click a button or check box, close the window with its close box.
    static void typeInto(HWND field, const std::string& text);
    static void pressKey(WPARAM key);
    static void click(HWND button);
    static void closeBox(HWND window);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void runNext();

    HWND dialog;
    std::vector<Step> steps;
    int finished = 0;
    bool running = false;
    UINT_PTR timer = 0;
};
