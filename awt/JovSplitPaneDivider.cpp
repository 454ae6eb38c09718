// Dragging the divider: the press remembers where on the bar it was grabbed, every drag puts the
// divider's leading edge so that the same spot stays under the mouse.

#include "awt/JovSplitPaneDivider.h"

#include "awt/JovGraphics.h"
#include "awt/JovSplitPane.h"
#include "awt/JovSystemColor.h"
#include "awt/event/JovMouseEvent.h"

namespace {

constexpr int edgeWidth = 1;

} // namespace

JovSplitPaneDivider::JovSplitPaneDivider(JovSplitPane* pane)
    : pane(pane), dragging(false), grabOffset(0) {
}

int JovSplitPaneDivider::alongAxis(const JovMouseEvent& event) const {
    return pane->getOrientation() == JovSplitPane::HORIZONTAL_SPLIT ? event.getX() : event.getY();
}

void JovSplitPaneDivider::processMouseEvent(JovMouseEvent& event) {
    if (event.getID() == JovMouseEvent::MOUSE_PRESSED) {
        dragging = true;
        grabOffset = alongAxis(event);
    } else if (event.getID() == JovMouseEvent::MOUSE_RELEASED) {
        dragging = false;
    }
    JovComponent::processMouseEvent(event);
}

void JovSplitPaneDivider::processMouseMotionEvent(JovMouseEvent& event) {
    if (dragging && event.getID() == JovMouseEvent::MOUSE_MOTION_DRAGGED) {
        const JovInsets insets = pane->getInsets();
        const bool sideBySide = pane->getOrientation() == JovSplitPane::HORIZONTAL_SPLIT;
        const int edge = sideBySide ? getX() - insets.left : getY() - insets.top;
        pane->setDividerLocation(edge + alongAxis(event) - grabOffset);
    }
    JovComponent::processMouseMotionEvent(event);
}

void JovSplitPaneDivider::paint(JovGraphics& graphics) {
    const bool sideBySide = pane->getOrientation() == JovSplitPane::HORIZONTAL_SPLIT;
    graphics.setColor(JovSystemColor(JovSystemColor::control));
    graphics.fillRect(0, 0, getWidth(), getHeight());
    graphics.setColor(JovSystemColor(JovSystemColor::controlShadow));
    if (sideBySide) {
        graphics.fillRect(getWidth() - edgeWidth, 0, edgeWidth, getHeight());
    } else {
        graphics.fillRect(0, getHeight() - edgeWidth, getWidth(), edgeWidth);
    }
}

JovString JovSplitPaneDivider::toString() const {
    return "ool.awt.JovSplitPaneDivider";
}
