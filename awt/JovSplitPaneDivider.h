// The bar between the two sides of a split pane. Dragging it with the mouse moves the pane's
// divider location.
#pragma once

#include "awt/JovComponent.h"

class JovSplitPane;

class JovSplitPaneDivider : public JovComponent {
public:
    explicit JovSplitPaneDivider(JovSplitPane* pane);

    void processMouseEvent(JovMouseEvent& event) override;
    void processMouseMotionEvent(JovMouseEvent& event) override;
    // A raised bar in the control colour.
    void paint(JovGraphics& graphics) override;

    bool isDragging() const { return dragging; }

    JovString toString() const override;

private:
    // Where along the pane's axis the mouse is, from a position in the divider.
    int alongAxis(const JovMouseEvent& event) const;

    // Not counted: the pane holds the divider.
    JovSplitPane* pane;
    bool dragging;
    // The mouse's offset from the divider's leading edge when the drag began.
    int grabOffset;
};
