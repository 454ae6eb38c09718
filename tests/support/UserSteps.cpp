#include "UserSteps.h"

namespace {

constexpr UINT stepPause = 40;
constexpr LPARAM firstKeyDown = 1;
constexpr LPARAM keyUp = static_cast<LPARAM>(0xC0000001);

// Thread timers carry no pointer: the one driver running at a time.
UserSteps* current = nullptr;

} // namespace

UserSteps::UserSteps(HWND dialog, std::vector<Step> steps)
    : dialog(dialog), steps(std::move(steps)) {
    current = this;
    timer = SetTimer(nullptr, 0, stepPause, &UserSteps::tick);
}

UserSteps::~UserSteps() {
    KillTimer(nullptr, timer);
    current = nullptr;
}

void CALLBACK UserSteps::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current != nullptr) {
        current->runNext();
    }
}

void UserSteps::runNext() {
    // A step may open a message box whose loop handles this timer too: one step at a time.
    if (running) {
        return;
    }
    if (finished == steps.size()) {
        KillTimer(nullptr, timer);
        if (IsWindowVisible(dialog != nullptr ? dialog : GetActiveWindow())) {
            closing(dialog)();
        }
        return;
    }
    running = true;
    steps[finished]();
    ++finished;
    running = false;
}

UserSteps::Step UserSteps::typing(HWND field, const std::string& text) {
    return [field, text] {
        SetFocus(field);
        SendMessageA(field, EM_SETSEL, 0, -1);
        // Deletes the selection first, so that an empty text empties the field.
        PostMessageA(field, WM_CHAR, VK_BACK, firstKeyDown);
        for (const char c : text) {
            PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), firstKeyDown);
        }
    };
}

UserSteps::Step UserSteps::pressing(WPARAM key) {
    return [key] {
        HWND target = GetFocus();
        PostMessageA(target, WM_KEYDOWN, key, firstKeyDown);
        PostMessageA(target, WM_KEYUP, key, keyUp);
    };
}

UserSteps::Step UserSteps::clicking(HWND button) {
    return [button] { SendMessageA(button, BM_CLICK, 0, 0); };
}

UserSteps::Step UserSteps::closing(HWND window) {
    return [window] {
        HWND target = window != nullptr ? window : GetActiveWindow();
        PostMessageA(target, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
}
