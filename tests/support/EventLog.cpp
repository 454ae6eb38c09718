// The lines the event log writes for each listener call.
#include "EventLog.h"

#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/ChangeEvent.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovAdjustmentEvent.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovListSelectionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovTableCheckEvent.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeSelectionEvent.h"

namespace {

std::string labelOf(const JovDefaultMutableTreeNode* node) {
    return node != nullptr ? node->toString().chars() : "-";
}

std::string mouseLine(const char* operation, const JovMouseEvent& event) {
    return std::string(operation) + (event.isPopupTrigger() ? " popup" : "");
}

std::string keyLine(const char* operation, const JovKeyEvent& event) {
    return std::string(operation) + " " + std::to_string(event.getKeyCode()) +
           (event.isConsumed() ? " consumed" : "");
}

std::string childLine(const char* operation, const JovTreeModelEvent& event) {
    return std::string(operation) + " " + std::to_string(event.getChildIndex());
}

} // namespace

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

void EventLog::actionPerformed(JovActionEvent& event) {
    note(event, std::string("action ") + event.getActionCommand().chars());
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

void EventLog::insertUpdate(DocumentEvent& event) {
    note(event, std::string("insert ") + event.getText().chars());
}

void EventLog::removeUpdate(DocumentEvent& event) {
    note(event, std::string("remove ") + event.getText().chars());
}

void EventLog::changedUpdate(DocumentEvent& event) {
    note(event, std::string("document ") + event.getText().chars());
}

void EventLog::adjustmentValueChanged(JovAdjustmentEvent& event) {
    note(event, "adjustment " + std::to_string(event.getAdjustmentType()) + " " +
                    std::to_string(event.getValue()));
}

void EventLog::dataChanged(JovEventObject& event) {
    lastSource = event.getSource();
    write("dataChanged");
}

void EventLog::focusGained(JovFocusEvent& event) {
    note(event, "focusGained");
}

void EventLog::focusLost(JovFocusEvent& event) {
    note(event, "focusLost");
}

void EventLog::keyPressed(JovKeyEvent& event) {
    note(event, keyLine("keyPressed", event));
}

void EventLog::keyReleased(JovKeyEvent& event) {
    note(event, keyLine("keyReleased", event));
}

void EventLog::keyTyped(JovKeyEvent& event) {
    note(event, keyLine("keyTyped", event));
}

void EventLog::valueChanging(JovListSelectionEvent& event) {
    note(event, "listSelecting " + std::to_string(event.getFirstIndex()));
}

void EventLog::valueChanged(JovListSelectionEvent& event) {
    note(event, "listSelection " + std::to_string(event.getFirstIndex()));
}

void EventLog::mouseClicked(JovMouseEvent& event) {
    note(event, mouseLine("clicked", event) + " " + std::to_string(event.getClickCount()));
}

void EventLog::mouseEntered(JovMouseEvent& event) {
    note(event, mouseLine("entered", event));
}

void EventLog::mouseExited(JovMouseEvent& event) {
    note(event, mouseLine("exited", event));
}

void EventLog::mousePressed(JovMouseEvent& event) {
    note(event, mouseLine("pressed", event));
}

void EventLog::mouseReleased(JovMouseEvent& event) {
    note(event, mouseLine("released", event));
}

void EventLog::mouseMoved(JovMouseEvent& event) {
    note(event, mouseLine("moved", event));
}

void EventLog::mouseDragged(JovMouseEvent& event) {
    note(event, mouseLine("dragged", event));
}

void EventLog::treeNodesChanged(JovTreeModelEvent& event) {
    note(event, childLine("nodesChanged", event));
}

void EventLog::treeNodesInserted(JovTreeModelEvent& event) {
    note(event, childLine("nodesInserted", event));
}

void EventLog::treeNodesRemoved(JovTreeModelEvent& event) {
    note(event, childLine("nodesRemoved", event));
}

void EventLog::treeStructureChanged(JovTreeModelEvent& event) {
    note(event, "structureChanged");
}

void EventLog::valueChanged(JovTreeSelectionEvent& event) {
    note(event,
         "selection " + labelOf(event.getOldSelection()) + ">" + labelOf(event.getNewSelection()));
}
