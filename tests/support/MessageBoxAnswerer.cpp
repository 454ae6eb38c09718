#include "MessageBoxAnswerer.h"

#include <chrono>
#include <windows.h>

namespace {
constexpr int messageTextId = 0xFFFF; // the static control that holds a message box's text
constexpr auto pollInterval = std::chrono::milliseconds(20);
constexpr int maximumPolls = 500;
} // namespace

MessageBoxAnswerer::MessageBoxAnswerer(const std::string& title, int button)
    : title(title), button(button), watcher(&MessageBoxAnswerer::watch, this) {
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (watcher.joinable()) {
        watcher.join();
    }
}

bool MessageBoxAnswerer::answered() {
    if (watcher.joinable()) {
        watcher.join();
    }
    return seen;
}

void MessageBoxAnswerer::watch() {
    for (int poll = 0; poll < maximumPolls; ++poll) {
        HWND box = FindWindowA("#32770", title.c_str());
        if (box) {
            char text[1024] = {};
            GetDlgItemTextA(box, messageTextId, text, sizeof text);
            boxText = text;
            seen = true;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            return;
        }
        std::this_thread::sleep_for(pollInterval);
    }
}
