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

    // Starts at once; the steps begin to run when a message loop handles timers. dialog may be
    // null for one that gets its window only when shown: then the active window is closed.
    UserSteps(HWND dialog, std::vector<Step> steps);
    ~UserSteps();
    UserSteps(const UserSteps&) = delete;
    UserSteps& operator=(const UserSteps&) = delete;

    // What a user does: select a field's text and type over it, press a key where the focus is,
    // click a button or check box, close a window (null: the active one) with its close box.
    static Step typing(HWND field, const std::string& text);
    static Step pressing(WPARAM key);
    static Step clicking(HWND button);
    static Step closing(HWND window);

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    void runNext();

    HWND dialog;
    std::vector<Step> steps;
    std::size_t finished = 0;
    bool running = false;
    UINT_PTR timer = 0;
};
