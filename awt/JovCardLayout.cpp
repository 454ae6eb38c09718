// Card names, switching the visible card and the shared card area.

#include "awt/JovCardLayout.h"

#include "awt/JovContainer.h"
#include "lang/JovSynchronized.h"

#include <algorithm>

namespace {

int indexAmongChildren(const JovContainer* parent, const JovComponent* component) {
    for (int index = 0; index < parent->getComponentCount(); ++index) {
        if (parent->getComponent(index) == component) {
            return index;
        }
    }
    return -1;
}

} // namespace

JovCardLayout::JovCardLayout() : currentIndex(0) {
}

void JovCardLayout::addLayoutComponent(JovComponent* component, const JovObject* constraints) {
    if (!names.isEmpty()) {
        component->hide();
    }
    names.addElement(constraints != nullptr ? JovString(*constraints) : JovString(UNNAMED));
}

void JovCardLayout::removeLayoutComponent(JovComponent* component) {
    const JovContainer* parent = component != nullptr ? component->getParent() : nullptr;
    if (parent == nullptr) {
        return;
    }
    const int index = indexAmongChildren(parent, component);
    if (index < 0 || index >= names.size()) {
        return;
    }
    names.removeElementAt(index);
    // The current card keeps its place when a card before it goes.
    if (index < currentIndex) {
        --currentIndex;
    }
}

void JovCardLayout::layoutContainer(JovContainer* container) {
    const JovInsets insets = container->getInsets();
    const int width = container->getWidth() - insets.left - insets.right;
    const int height = container->getHeight() - insets.top - insets.bottom;
    for (int index = 0; index < container->getComponentCount(); ++index) {
        container->getComponent(index)->setBounds(insets.left, insets.top, width, height);
    }
}

JovDimension JovCardLayout::preferredLayoutSize(JovContainer* container) {
    JovDimension largest;
    for (int index = 0; index < container->getComponentCount(); ++index) {
        const JovDimension size = container->getComponent(index)->getPreferredSize();
        largest.width = std::max(largest.width, size.width);
        largest.height = std::max(largest.height, size.height);
    }
    const JovInsets insets = container->getInsets();
    return JovDimension(largest.width + insets.left + insets.right,
                        largest.height + insets.top + insets.bottom);
}

void JovCardLayout::first(JovContainer* parent) {
    display(parent, 0);
}

void JovCardLayout::next(JovContainer* parent) {
    const int count = parent != nullptr ? parent->getComponentCount() : 0;
    if (count > 0) {
        display(parent, (currentIndex + 1) % count);
    }
}

void JovCardLayout::previous(JovContainer* parent) {
    const int count = parent != nullptr ? parent->getComponentCount() : 0;
    if (count > 0) {
        display(parent, (std::min(currentIndex, count) + count - 1) % count);
    }
}

void JovCardLayout::show(JovContainer* parent, const JovString& name) {
    display(parent, names.indexOf(&name));
}

void JovCardLayout::display(JovContainer* parent, int index) {
    if (parent == nullptr) {
        return;
    }
    JovSynchronized guard(parent);
    JovComponent* card = parent->getComponent(index);
    if (card == nullptr) {
        return;
    }
    for (int shown = 0; shown < parent->getComponentCount(); ++shown) {
        JovComponent* child = parent->getComponent(shown);
        if (child->isVisible()) {
            child->hide();
            break;
        }
    }
    currentIndex = index;
    card->show();
    parent->validate();
}

JovString JovCardLayout::toString() const {
    return "ool.awt.JovCardLayout";
}
