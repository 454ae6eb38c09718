// Edge placement: north and south span the full width, west and east the height between them.

#include "awt/JovBorderLayout.h"

#include "awt/JovContainer.h"

#include <algorithm>
#include <initializer_list>

namespace {

// A place that is empty or hidden takes no room.
JovDimension sizeOf(JovComponent* component) {
    if (component == nullptr || !component->isVisible()) {
        return JovDimension();
    }
    return component->getPreferredSize();
}

bool isShown(const JovComponent* component) {
    return component != nullptr && component->isVisible();
}

} // namespace

JovBorderLayout::JovBorderLayout(int rowGap, int columnGap)
    : center(nullptr), east(nullptr), north(nullptr), south(nullptr), west(nullptr), rowGap(rowGap),
      columnGap(columnGap) {
}

void JovBorderLayout::addLayoutComponent(JovComponent* component, const JovObject* constraints) {
    if (constraints == nullptr) {
        replaceCenter(component);
        return;
    }
    const auto* place = dynamic_cast<const JovString*>(constraints);
    if (place == nullptr) {
        return;
    }
    if (*place == CENTER) {
        replaceCenter(component);
    } else if (*place == NORTH) {
        north = component;
    } else if (*place == SOUTH) {
        south = component;
    } else if (*place == EAST) {
        east = component;
    } else if (*place == WEST) {
        west = component;
    }
}

void JovBorderLayout::replaceCenter(JovComponent* component) {
    JovComponent* previous = center;
    // Set first, so that removing the previous centre does not clear the new one.
    center = component;
    if (previous == nullptr || previous == component || previous->getParent() == nullptr) {
        return;
    }
    previous->getParent()->remove(previous);
}

void JovBorderLayout::removeLayoutComponent(JovComponent* component) {
    if (component == nullptr) {
        return;
    }
    for (JovComponent** place : {&center, &east, &north, &south, &west}) {
        if (*place == component) {
            *place = nullptr;
        }
    }
}

void JovBorderLayout::layoutContainer(JovContainer* container) {
    const JovInsets insets = container->getInsets();
    int top = insets.top;
    int bottom = container->getHeight() - insets.bottom;
    int left = insets.left;
    int right = container->getWidth() - insets.right;
    if (isShown(north)) {
        const int height = north->getPreferredSize().height;
        north->setBounds(left, top, right - left, height);
        if (height > 0) {
            top += height + rowGap;
        }
    }
    if (isShown(south)) {
        const int height = south->getPreferredSize().height;
        south->setBounds(left, bottom - height, right - left, height);
        if (height > 0) {
            bottom -= height + rowGap;
        }
    }
    if (isShown(west)) {
        const int width = west->getPreferredSize().width;
        west->setBounds(left, top, width, bottom - top);
        if (width > 0) {
            left += width + columnGap;
        }
    }
    if (isShown(east)) {
        const int width = east->getPreferredSize().width;
        east->setBounds(right - width, top, width, bottom - top);
        if (width > 0) {
            right -= width + columnGap;
        }
    }
    if (isShown(center)) {
        center->setBounds(left, top, right - left, bottom - top);
    }
}

JovDimension JovBorderLayout::preferredLayoutSize(JovContainer* container) {
    const JovDimension northSize = sizeOf(north);
    const JovDimension southSize = sizeOf(south);
    const JovDimension westSize = sizeOf(west);
    const JovDimension centerSize = sizeOf(center);
    const JovDimension eastSize = sizeOf(east);

    const bool middleHasHeight =
        westSize.height > 0 || centerSize.height > 0 || eastSize.height > 0;
    int rowGaps = 0;
    if ((northSize.height > 0 || southSize.height > 0) && middleHasHeight) {
        rowGaps += rowGap;
    }
    if (northSize.height > 0 && southSize.height > 0) {
        rowGaps += rowGap;
    }
    int columnGaps = 0;
    if ((westSize.width > 0 || eastSize.width > 0) && centerSize.width > 0) {
        columnGaps += columnGap;
    }
    if (westSize.width > 0 && eastSize.width > 0) {
        columnGaps += columnGap;
    }

    const int middleWidth = westSize.width + centerSize.width + eastSize.width + columnGaps;
    const int middleHeight = std::max({westSize.height, centerSize.height, eastSize.height});
    const JovInsets insets = container->getInsets();
    return JovDimension(
        std::max({middleWidth, northSize.width, southSize.width}) + insets.left + insets.right,
        middleHeight + northSize.height + southSize.height + rowGaps + insets.top + insets.bottom);
}

JovString JovBorderLayout::toString() const {
    return "ool.awt.JovBorderLayout";
}
