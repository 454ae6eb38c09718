// The lines the event log writes for each listener call.
#include "EventLog.h"

#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTableCheckEvent.h"

std::string EventLog::labelOf(const JovDefaultMutableTreeNode* node) {
    return node != nullptr ? node->toString().chars() : "-";
}

std::string EventLog::mouseLine(const char* operation, const JovMouseEvent& event) {
    return std::string(operation) + (event.isPopupTrigger() ? " popup" : "");
}

std::string EventLog::keyLine(const char* operation, const JovKeyEvent& event) {
    return std::string(operation) + " " + std::to_string(event.getKeyCode()) +
           (event.isConsumed() ? " consumed" : "");
}

void EventLog::note(JovAWTEvent& event, const std::string& line) {
    {
        std::lock_guard<std::mutex> guard(lock);
        lastSource = event.getSource();
        lastId = event.getID();
        lastTime = Clock::now();
        lastThread = std::this_thread::get_id();
    }
    write(line);
    if (consuming) {
        event.consume();
    }
}

void EventLog::write(const std::string& line) {
    std::lock_guard<std::mutex> guard(lock);
    entries.push_back(name.empty() ? line : name + ":" + line);
    written.notify_all();
}

Entries EventLog::lines() const {
    std::lock_guard<std::mutex> guard(lock);
    return entries;
}

bool EventLog::waitForLines(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock<std::mutex> guard(lock);
    return written.wait_for(guard, timeout, [&] { return entries.size() >= count; });
}

Entries EventLog::matching(const std::string& prefix) const {
    std::lock_guard<std::mutex> guard(lock);
    Entries matches;
    for (const std::string& line : entries) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            matches.push_back(line);
        }
    }
    return matches;
}

void EventLog::clear() {
    std::lock_guard<std::mutex> guard(lock);
    entries.clear();
}

// A table's check event names the row and the state asked for.
void EventLog::stateChanged(ChangeEvent& event) {
    const auto* check = dynamic_cast<const JovTableCheckEvent*>(&event);
    if (check == nullptr) {
        note(event, "stateChanged");
        return;
    }
    note(event, "check " + std::to_string(check->getRow()) + (check->isChecked() ? " on" : " off"));
}

void EventLog::valueChanged(JovTreeSelectionEvent& event) {
    note(event,
         "selection " + labelOf(event.getOldSelection()) + ">" + labelOf(event.getNewSelection()));
}
