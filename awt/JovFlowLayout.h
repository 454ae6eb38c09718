// Places children in rows at their preferred sizes, starting a new row when the next child no
// longer fits; used for button rows and search bars.
#pragma once

#include "awt/JovLayoutManager.h"

class JovFlowLayout : public JovLayoutManager {
public:
    static constexpr int LEFT = 1;
    static constexpr int RIGHT = 2;
    static constexpr int CENTER = 3;
    static constexpr int DEFAULT_GAP = 5;

    JovFlowLayout();
    explicit JovFlowLayout(int alignment);
    JovFlowLayout(int alignment, int horizontalGap, int verticalGap);

    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override;
    void removeLayoutComponent(JovComponent* component) override;
    void layoutContainer(JovContainer* container) override;
    // The rows as they wrap at the container's current width; one row while it has none.
    JovDimension preferredLayoutSize(JovContainer* container) override;

    int getAlignment() const { return alignment; }

    JovString toString() const override;

private:
    // The first visible child at or after from, or the child count.
    static int nextVisible(JovContainer* container, int from);
    // Children from first to the end of its row; fills rowSize and answers the index after the
    // row's last child.
    int measureRow(JovContainer* container, int first, int availableWidth);
    void placeRow(JovContainer* container, int first, int end, int left, int top, int shift);
    int rowShift(int availableWidth) const;

    // The extent of the row being measured.
    JovDimension rowSize;
    int alignment;
    int horizontalGap;
    int verticalGap;
};
