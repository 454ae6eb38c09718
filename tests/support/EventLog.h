// A listener for the toolkit's listener interfaces that the tests use; it writes each call as one
// line ("name:operation details"), so a test compares what arrived, and in which order, with one
// list.
#pragma once

#include "awt/event/ChangeEvent.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovKeyListener.h"
#include "awt/event/JovListSelectionEvent.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovTreeSelectionEvent.h"
#include "awt/event/JovTreeSelectionListener.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using Entries = std::vector<std::string>;

class EventLog : public JovActionListener,
                 public ChangeListener,
                 public DocumentListener,
                 public JovKeyListener,
                 public JovListSelectionListener,
                 public JovMouseListener,
                 public JovTreeSelectionListener {
public:
    using Clock = std::chrono::steady_clock;

    EventLog() = default;
    // Logs named lines into a list shared with other logs, to see the order between listeners.
    EventLog(std::string name, Entries& shared) : entries(shared), name(std::move(name)) {}
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void actionPerformed(JovActionEvent& event) override {
        note(event, std::string("action ") + event.getActionCommand().chars());
    }
    void stateChanged(ChangeEvent& event) override;
    void insertUpdate(DocumentEvent& event) override {
        note(event, std::string("insert ") + event.getText().chars());
    }
    void removeUpdate(DocumentEvent& event) override {
        note(event, std::string("remove ") + event.getText().chars());
    }
    void changedUpdate(DocumentEvent& event) override {
        note(event, std::string("document ") + event.getText().chars());
    }
    void keyPressed(JovKeyEvent& event) override { note(event, keyLine("keyPressed", event)); }
    void keyReleased(JovKeyEvent& event) override { note(event, keyLine("keyReleased", event)); }
    void keyTyped(JovKeyEvent& event) override { note(event, keyLine("keyTyped", event)); }
    void valueChanging(JovListSelectionEvent& event) override {
        note(event, "listSelecting " + std::to_string(event.getFirstIndex()));
    }
    void valueChanged(JovListSelectionEvent& event) override {
        note(event, "listSelection " + std::to_string(event.getFirstIndex()));
    }
    void mouseClicked(JovMouseEvent& event) override {
        note(event, mouseLine("clicked", event) + " " + std::to_string(event.getClickCount()));
    }
    void mouseEntered(JovMouseEvent& event) override { note(event, mouseLine("entered", event)); }
    void mouseExited(JovMouseEvent& event) override { note(event, mouseLine("exited", event)); }
    void mousePressed(JovMouseEvent& event) override { note(event, mouseLine("pressed", event)); }
    void mouseReleased(JovMouseEvent& event) override { note(event, mouseLine("released", event)); }
    void valueChanged(JovTreeSelectionEvent& event) override;

    // A copy of the lines so far; listeners may run on other threads.
    Entries lines() const;
    // Waits until at least count lines are there; answers whether they came in time.
    bool waitForLines(std::size_t count, std::chrono::milliseconds timeout);
    void clear();
    // The lines that begin with prefix, and how many there are.
    Entries matching(const std::string& prefix) const;
    int count(const std::string& prefix) const { return static_cast<int>(matching(prefix).size()); }

private:
    Entries ownEntries;

public:
    // Every toolkit event the log sees afterwards is consumed, as a refusing listener does.
    bool consuming = false;

    // What arrived so far; tests on one thread read it directly.
    Entries& entries = ownEntries;

    // Where and when the last event came from.
    JovObject* lastSource = nullptr;
    int lastId = 0;
    Clock::time_point lastTime;
    std::thread::id lastThread;

protected:
    void note(JovAWTEvent& event, const std::string& line);

private:
    static std::string labelOf(const JovDefaultMutableTreeNode* node);
    static std::string mouseLine(const char* operation, const JovMouseEvent& event);
    static std::string keyLine(const char* operation, const JovKeyEvent& event);

    void write(const std::string& line);

    std::string name;
    mutable std::mutex lock;
    std::condition_variable written;
};
