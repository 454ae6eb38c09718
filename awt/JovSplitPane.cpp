// The split pane's own layout: the two sides share what the divider leaves them.

#include "awt/JovSplitPane.h"

#include "awt/JovSplitPaneDivider.h"
#include "io/JovPrintWriter.h"

#include <algorithm>

JovSplitPane::JovSplitPane(int orientation)
    : orientation(orientation), left(nullptr), right(nullptr),
      divider(new JovSplitPaneDivider(this)), dividerLocation(-1),
      dividerSize(DEFAULT_DIVIDER_SIZE) {
    if (orientation != HORIZONTAL_SPLIT && orientation != VERTICAL_SPLIT) {
        JovPrintWriter::standardError().println("JovSplitPane: unknown orientation " +
                                                JovString::valueOf(orientation));
        this->orientation = HORIZONTAL_SPLIT;
    }
    add(divider);
}

void JovSplitPane::setLeftComponent(JovComponent* component) {
    replaceSide(left, component);
}

void JovSplitPane::setRightComponent(JovComponent* component) {
    replaceSide(right, component);
}

void JovSplitPane::replaceSide(JovComponent*& side, JovComponent* component) {
    if (component == divider || (component != nullptr && component == side)) {
        return;
    }
    if (component != nullptr && (component == left || component == right)) {
        // Moving a component to the other side.
        JovComponent*& other = component == left ? left : right;
        other = nullptr;
    }
    if (side != nullptr) {
        JovComponent* old = side;
        side = nullptr;
        JovContainer::remove(old);
    }
    if (component != nullptr) {
        add(component);
        side = component->getParent() == this ? component : nullptr;
    }
    invalidate();
    validate();
}

void JovSplitPane::remove(JovComponent* component) {
    if (component == divider) {
        return;
    }
    if (component != nullptr && component == left) {
        left = nullptr;
    }
    if (component != nullptr && component == right) {
        right = nullptr;
    }
    JovContainer::remove(component);
}

void JovSplitPane::setDividerLocation(int location) {
    dividerLocation = location < 0 ? location : clampedLocation(location);
    invalidate();
    validate();
}

void JovSplitPane::setDividerSize(int size) {
    dividerSize = std::max(size, 1);
    invalidate();
    validate();
}

int JovSplitPane::axisLength() {
    const JovInsets insets = getInsets();
    return orientation == HORIZONTAL_SPLIT ? getWidth() - insets.left - insets.right
                                           : getHeight() - insets.top - insets.bottom;
}

int JovSplitPane::clampedLocation(int location) {
    const int length = axisLength();
    if (length <= 0) {
        return std::max(location, 0);
    }
    const int largest = std::max(length - dividerSize - MINIMUM_SIDE, 0);
    return std::clamp(location, std::min(MINIMUM_SIDE, largest), largest);
}

void JovSplitPane::doLayout() {
    const int length = axisLength();
    if (length <= 0) {
        return;
    }
    if (dividerLocation < 0) {
        const JovDimension wanted = left != nullptr ? left->getPreferredSize() : JovDimension();
        dividerLocation = orientation == HORIZONTAL_SPLIT ? wanted.width : wanted.height;
    }
    dividerLocation = clampedLocation(dividerLocation);
    const JovInsets insets = getInsets();
    const int across = orientation == HORIZONTAL_SPLIT ? getHeight() - insets.top - insets.bottom
                                                       : getWidth() - insets.left - insets.right;
    const int rest = std::max(length - dividerLocation - dividerSize, 0);
    const int offsets[] = {0, dividerLocation, dividerLocation + dividerSize};
    const int extents[] = {dividerLocation, dividerSize, rest};
    JovComponent* parts[] = {left, divider, right};
    for (int i = 0; i < 3; ++i) {
        if (parts[i] == nullptr) {
            continue;
        }
        if (orientation == HORIZONTAL_SPLIT) {
            parts[i]->setBounds(insets.left + offsets[i], insets.top, extents[i], across);
        } else {
            parts[i]->setBounds(insets.left, insets.top + offsets[i], across, extents[i]);
        }
    }
}

JovDimension JovSplitPane::getPreferredSize() {
    if (isPreferredSizeSet()) {
        return JovContainer::getPreferredSize();
    }
    const JovDimension first = left != nullptr ? left->getPreferredSize() : JovDimension();
    const JovDimension second = right != nullptr ? right->getPreferredSize() : JovDimension();
    const JovInsets insets = getInsets();
    if (orientation == HORIZONTAL_SPLIT) {
        return JovDimension(first.width + dividerSize + second.width + insets.left + insets.right,
                            std::max(first.height, second.height) + insets.top + insets.bottom);
    }
    return JovDimension(std::max(first.width, second.width) + insets.left + insets.right,
                        first.height + dividerSize + second.height + insets.top + insets.bottom);
}

JovString JovSplitPane::toString() const {
    return "ool.awt.JovSplitPane";
}
