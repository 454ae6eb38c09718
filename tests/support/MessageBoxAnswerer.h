// Answers the next system message box with a given title from a helper thread and remembers its
// text, so tests can drive code that asks the user.
#pragma once

#include <atomic>
#include <string>
#include <thread>

class MessageBoxAnswerer {
public:
    MessageBoxAnswerer(const std::string& title, int button);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    // Waits until the box was answered or the watch gave up; true when a box was seen.
    bool answered();
    const std::string& text() const { return boxText; }

private:
    void watch();

    std::string title;
    int button;
    std::string boxText;
    std::atomic<bool> seen{false};
    std::thread watcher;
};
