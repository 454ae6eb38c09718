// A listener for every listener interface of the toolkit that writes each call as one line
// ("name:operation details"), so a test compares what arrived, and in which order, with one list.
#pragma once

#include "awt/event/ChangeListener.h"
#include "awt/event/DocumentListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovAdjustmentListener.h"
#include "awt/event/JovDataListener.h"
#include "awt/event/JovFocusListener.h"
#include "awt/event/JovKeyListener.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovMouseMotionListener.h"
#include "awt/event/JovTreeModelListener.h"
#include "awt/event/JovTreeSelectionListener.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class JovAWTEvent;
class JovObject;

using Entries = std::vector<std::string>;

class EventLog : public JovActionListener,
                 public ChangeListener,
                 public DocumentListener,
                 public JovAdjustmentListener,
                 public JovDataListener,
                 public JovFocusListener,
                 public JovKeyListener,
                 public JovListSelectionListener,
                 public JovMouseListener,
                 public JovMouseMotionListener,
                 public JovTreeModelListener,
                 public JovTreeSelectionListener {
public:
    using Clock = std::chrono::steady_clock;

    EventLog() = default;
    // Logs named lines into a list shared with other logs, to see the order between listeners.
    EventLog(std::string name, Entries& shared) : entries(shared), name(std::move(name)) {}
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void actionPerformed(JovActionEvent& event) override;
    void stateChanged(ChangeEvent& event) override;
    void insertUpdate(DocumentEvent& event) override;
    void removeUpdate(DocumentEvent& event) override;
    void changedUpdate(DocumentEvent& event) override;
    void adjustmentValueChanged(JovAdjustmentEvent& event) override;
    void dataChanged(JovEventObject& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    void keyPressed(JovKeyEvent& event) override;
    void keyReleased(JovKeyEvent& event) override;
    void keyTyped(JovKeyEvent& event) override;
    void valueChanging(JovListSelectionEvent& event) override;
    void valueChanged(JovListSelectionEvent& event) override;
    void mouseClicked(JovMouseEvent& event) override;
    void mouseEntered(JovMouseEvent& event) override;
    void mouseExited(JovMouseEvent& event) override;
    void mousePressed(JovMouseEvent& event) override;
    void mouseReleased(JovMouseEvent& event) override;
    void mouseMoved(JovMouseEvent& event) override;
    void mouseDragged(JovMouseEvent& event) override;
    void treeNodesChanged(JovTreeModelEvent& event) override;
    void treeNodesInserted(JovTreeModelEvent& event) override;
    void treeNodesRemoved(JovTreeModelEvent& event) override;
    void treeStructureChanged(JovTreeModelEvent& event) override;
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
    void write(const std::string& line);

    std::string name;
    mutable std::mutex lock;
    std::condition_variable written;
};
