// Two components side by side (or one above the other) with a divider between them that the user
// drags to share the space. The pane lays its children out itself.
#pragma once

#include "awt/JovContainer.h"

class JovSplitPaneDivider;

class JovSplitPane : public JovContainer {
public:
    // Side by side: left and right.
    static constexpr int HORIZONTAL_SPLIT = 1;
    // One above the other: top and bottom.
    static constexpr int VERTICAL_SPLIT = 0;
    static constexpr int DEFAULT_DIVIDER_SIZE = 6;
    // Neither side is squeezed below this many pixels by the divider.
    static constexpr int MINIMUM_SIDE = 10;

    // An unknown orientation writes an error line and splits side by side.
    explicit JovSplitPane(int orientation = HORIZONTAL_SPLIT);

    int getOrientation() const { return orientation; }
    // Replaces the side's component; null empties the side.
    void setLeftComponent(JovComponent* component);
    void setRightComponent(JovComponent* component);
    JovComponent* getLeftComponent() const { return left; }
    JovComponent* getRightComponent() const { return right; }
    JovSplitPaneDivider* getDivider() const { return divider; }

    // The divider's leading edge, in pixels from the pane's inner edge. A negative location,
    // until set, puts the divider after the left side's preferred size.
    void setDividerLocation(int location);
    int getDividerLocation() const { return dividerLocation; }
    int getDividerSize() const { return dividerSize; }
    void setDividerSize(int size);

    // Left side, divider, right side, filling the pane inside its insets.
    void doLayout() override;
    JovDimension getPreferredSize() override;
    // Forgets a side whose component goes.
    void remove(JovComponent* component) override;

    JovString toString() const override;

private:
    void replaceSide(JovComponent*& side, JovComponent* component);
    // The room along the axis inside the insets.
    int axisLength();
    int clampedLocation(int location);

    int orientation;
    // Not counted: the children vector holds them.
    JovComponent* left;
    JovComponent* right;
    JovSplitPaneDivider* divider;
    int dividerLocation;
    int dividerSize;
};
