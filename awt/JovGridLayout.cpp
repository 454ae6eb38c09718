// Equal cells: the grid's shape from the child count, then each child at full cell size.

#include "awt/JovGridLayout.h"

#include "awt/JovContainer.h"

#include <algorithm>

JovGridLayout::JovGridLayout(int rows, int columns, int horizontalGap, int verticalGap)
    : rows(rows), columns(columns), horizontalGap(horizontalGap), verticalGap(verticalGap) {
}

void JovGridLayout::addLayoutComponent(JovComponent*, const JovObject*) {
}

void JovGridLayout::removeLayoutComponent(JovComponent*) {
}

JovGridLayout::Shape JovGridLayout::shapeFor(int count) const {
    if (rows > 0) {
        return Shape{rows, (count + rows - 1) / rows};
    }
    if (columns > 0) {
        return Shape{(count + columns - 1) / columns, columns};
    }
    return Shape{0, 0};
}

void JovGridLayout::layoutContainer(JovContainer* container) {
    const int count = container->getComponentCount();
    const Shape shape = shapeFor(count);
    if (count == 0 || shape.columns == 0) {
        return;
    }
    const JovInsets insets = container->getInsets();
    const int width = container->getWidth() - insets.left - insets.right;
    const int height = container->getHeight() - insets.top - insets.bottom;
    const int cellWidth = (width - (shape.columns - 1) * horizontalGap) / shape.columns;
    const int cellHeight = (height - (shape.rows - 1) * verticalGap) / shape.rows;
    for (int index = 0; index < count; ++index) {
        const int row = index / shape.columns;
        const int column = index % shape.columns;
        container->getComponent(index)->setBounds(
            insets.left + column * (cellWidth + horizontalGap),
            insets.top + row * (cellHeight + verticalGap), cellWidth, cellHeight);
    }
}

JovDimension JovGridLayout::preferredLayoutSize(JovContainer* container) {
    const int count = container->getComponentCount();
    const Shape shape = shapeFor(count);
    const JovInsets insets = container->getInsets();
    JovDimension cell;
    for (int index = 0; index < count; ++index) {
        const JovDimension size = container->getComponent(index)->getPreferredSize();
        cell.width = std::max(cell.width, size.width);
        cell.height = std::max(cell.height, size.height);
    }
    const int width = shape.columns * cell.width + std::max(0, shape.columns - 1) * horizontalGap;
    const int height = shape.rows * cell.height + std::max(0, shape.rows - 1) * verticalGap;
    return JovDimension(width + insets.left + insets.right, height + insets.top + insets.bottom);
}

JovString JovGridLayout::toString() const {
    return "ool.awt.JovGridLayout";
}
