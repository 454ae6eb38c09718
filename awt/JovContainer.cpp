// Children, moving a child between containers, layout triggering and the peers of a subtree.

#include "awt/JovContainer.h"

#include "awt/JovLayoutManager.h"
#include "io/JovPrintWriter.h"

JovContainer::JovContainer() {
    // A plain container is not a stop of the focus traversal; its children are.
    setFocusable(false);
}

JovContainer::~JovContainer() {
    JovContainer::removeNotify();
    for (int i = 0; i < children.size(); ++i) {
        static_cast<JovComponent*>(children.elementAt(i))->parent = nullptr;
    }
}

JovComponent* JovContainer::add(JovComponent* component) {
    add(component, nullptr, -1);
    return component;
}

void JovContainer::add(JovComponent* component, const JovObject& constraints, int index) {
    add(component, &constraints, index);
}

void JovContainer::add(JovComponent* component, const JovObject* constraints, int index) {
    if (refusesChild(component)) {
        JovPrintWriter::standardError().println("Error in JovContainer.add: refused null, the "
                                                "container itself or one of its ancestors.");
        return;
    }
    // Held across the move, so that leaving the old parent cannot delete it.
    const JovReference<JovComponent> held(component);
    detachFromParent(component);
    children.insertElementAt(component, index < 0 ? children.size() : index);
    component->parent = this;
    if (layout) {
        layout->addLayoutComponent(component, constraints);
    }
    component->invalidate();
    if (isDisplayable()) {
        component->addNotify();
    }
}

bool JovContainer::refusesChild(const JovComponent* component) const {
    if (component == nullptr || component == this) {
        return true;
    }
    for (const JovContainer* above = getParent(); above != nullptr; above = above->getParent()) {
        if (above == component) {
            return true;
        }
    }
    return false;
}

void JovContainer::detachFromParent(JovComponent* component) {
    JovContainer* oldParent = component->parent;
    if (oldParent == nullptr) {
        return;
    }
    if (oldParent->layout) {
        oldParent->layout->removeLayoutComponent(component);
    }
    component->removeNotify();
    component->parent = nullptr;
    oldParent->children.removeElement(component);
}

void JovContainer::remove(JovComponent* component) {
    if (component == nullptr || component->parent != this) {
        return;
    }
    if (layout) {
        layout->removeLayoutComponent(component);
    }
    component->removeNotify();
    component->parent = nullptr;
    children.removeElement(component);
}

void JovContainer::remove(int index) {
    remove(getComponent(index));
}

void JovContainer::removeAll() {
    while (children.size() > 0) {
        const int before = children.size();
        remove(children.size() - 1);
        if (children.size() == before) {
            return;
        }
    }
}

JovComponent* JovContainer::getComponent(int index) const {
    if (index < 0 || index >= children.size()) {
        return nullptr;
    }
    return static_cast<JovComponent*>(children.elementAt(index));
}

bool JovContainer::isAncestorOf(const JovComponent* component) const {
    for (const JovContainer* above = component != nullptr ? component->getParent() : nullptr;
         above != nullptr; above = above->getParent()) {
        if (above == this) {
            return true;
        }
    }
    return false;
}

void JovContainer::setLayout(JovLayoutManager* newLayout) {
    if (newLayout == layout.get()) {
        return;
    }
    layout.reset(newLayout);
    invalidate();
}

void JovContainer::doLayout() {
    if (layout) {
        layout->layoutContainer(this);
    }
}

JovComponent* JovContainer::getComponentAt(int x, int y) {
    for (int i = 0; i < getComponentCount(); ++i) {
        JovComponent* child = getComponent(i);
        if (child != nullptr && child->isVisible() &&
            child->contains(x - child->getX(), y - child->getY())) {
            return child;
        }
    }
    return JovComponent::getComponentAt(x, y);
}

JovDimension JovContainer::getPreferredSize() {
    if (!layout || isPreferredSizeSet()) {
        return JovComponent::getPreferredSize();
    }
    return layout->preferredLayoutSize(this);
}

void JovContainer::validate() {
    doLayout();
    // By index: a layout manager may show and hide children, but it does not remove them.
    for (int i = 0; i < getComponentCount(); ++i) {
        JovComponent* child = getComponent(i);
        if (child != nullptr) {
            child->validate();
        }
    }
    JovComponent::validate();
}

void JovContainer::addNotify() {
    JovComponent::addNotify();
    if (!isDisplayable()) {
        return;
    }
    for (int i = 0; i < getComponentCount(); ++i) {
        JovComponent* child = getComponent(i);
        if (child != nullptr) {
            child->addNotify();
        }
    }
}

void JovContainer::removeNotify() {
    for (int i = 0; i < getComponentCount(); ++i) {
        JovComponent* child = getComponent(i);
        if (child != nullptr) {
            child->removeNotify();
        }
    }
    JovComponent::removeNotify();
}

JovString JovContainer::toString() const {
    return "ool.awt.JovContainer";
}
