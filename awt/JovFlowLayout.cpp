// Row wrapping, vertical centring within a row and the alignment shift of each row.

#include "awt/JovFlowLayout.h"

#include "awt/JovContainer.h"

#include <algorithm>
#include <limits>

JovFlowLayout::JovFlowLayout() : JovFlowLayout(LEFT, DEFAULT_GAP, DEFAULT_GAP) {
}

JovFlowLayout::JovFlowLayout(int alignment) : JovFlowLayout(alignment, DEFAULT_GAP, DEFAULT_GAP) {
}

JovFlowLayout::JovFlowLayout(int alignment, int horizontalGap, int verticalGap)
    : alignment(alignment), horizontalGap(horizontalGap), verticalGap(verticalGap) {
}

void JovFlowLayout::addLayoutComponent(JovComponent*, const JovObject*) {
}

void JovFlowLayout::removeLayoutComponent(JovComponent*) {
}

int JovFlowLayout::nextVisible(JovContainer* container, int from) {
    int index = from;
    while (index < container->getComponentCount() && !container->getComponent(index)->isVisible()) {
        ++index;
    }
    return index;
}

int JovFlowLayout::measureRow(JovContainer* container, int first, int availableWidth) {
    rowSize = JovDimension();
    bool rowHasChild = false;
    int index = first;
    for (; index < container->getComponentCount(); ++index) {
        JovComponent* child = container->getComponent(index);
        if (!child->isVisible()) {
            continue;
        }
        const JovDimension size = child->getPreferredSize();
        const int widthWithChild =
            rowHasChild ? rowSize.width + horizontalGap + size.width : size.width;
        // A row always takes its first child, however wide; a child that ends exactly at the
        // edge still fits.
        if (rowHasChild && widthWithChild > availableWidth) {
            break;
        }
        rowSize.width = widthWithChild;
        rowSize.height = std::max(rowSize.height, size.height);
        rowHasChild = true;
    }
    return index;
}

int JovFlowLayout::rowShift(int availableWidth) const {
    const int freeWidth = availableWidth - rowSize.width;
    if (alignment == RIGHT) {
        return freeWidth;
    }
    if (alignment == CENTER) {
        return freeWidth / 2;
    }
    return 0;
}

void JovFlowLayout::placeRow(JovContainer* container, int first, int end, int left, int top,
                             int shift) {
    int x = left + shift;
    for (int index = first; index < end; ++index) {
        JovComponent* child = container->getComponent(index);
        if (!child->isVisible()) {
            continue;
        }
        const JovDimension size = child->getPreferredSize();
        child->setBounds(x, top + (rowSize.height - size.height) / 2, size.width, size.height);
        x += size.width + horizontalGap;
    }
}

void JovFlowLayout::layoutContainer(JovContainer* container) {
    const JovInsets insets = container->getInsets();
    const int availableWidth = container->getWidth() - insets.left - insets.right;
    int top = insets.top;
    for (int first = nextVisible(container, 0); first < container->getComponentCount();) {
        const int end = measureRow(container, first, availableWidth);
        placeRow(container, first, end, insets.left, top, rowShift(availableWidth));
        top += rowSize.height + verticalGap;
        first = nextVisible(container, end);
    }
}

JovDimension JovFlowLayout::preferredLayoutSize(JovContainer* container) {
    const JovInsets insets = container->getInsets();
    // A container not yet given a width (a row asked for its size by the layout that will place
    // it) wants its children in one row, not one per row.
    const int availableWidth = container->getWidth() > 0
                                   ? container->getWidth() - insets.left - insets.right
                                   : std::numeric_limits<int>::max();
    JovDimension size;
    int rows = 0;
    for (int first = nextVisible(container, 0); first < container->getComponentCount(); ++rows) {
        first = nextVisible(container, measureRow(container, first, availableWidth));
        size.width = std::max(size.width, rowSize.width);
        size.height += rowSize.height;
    }
    if (rows > 1) {
        size.height += (rows - 1) * verticalGap;
    }
    return JovDimension(size.width + insets.left + insets.right,
                        size.height + insets.top + insets.bottom);
}

JovString JovFlowLayout::toString() const {
    return "ool.awt.JovFlowLayout";
}
