// The close request ends the program through the toolkit's last-window rule.

#include "ClosingFrame.h"

#include "awt/event/JovWindowEvent.h"

void ClosingFrame::processWindowEvent(JovWindowEvent& event) {
    JovFrame::processWindowEvent(event);
    if (event.getID() == JovWindowEvent::WINDOW_CLOSING) {
        dispose();
    }
}

JovString ClosingFrame::toString() const {
    return "ool.demos.ClosingFrame";
}
