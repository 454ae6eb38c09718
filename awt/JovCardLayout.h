// Stacks children like cards so that only one of them is visible at a time; the wizard and the
// tabbed pane switch their pages with it.
#pragma once

#include "awt/JovLayoutManager.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class JovCardLayout : public JovLayoutManager {
public:
    // The card name of a child added without constraints.
    static constexpr const char* UNNAMED = "NULL";

    JovCardLayout();

    // Names the card after the constraints' text; every card after the first starts hidden.
    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override;
    void removeLayoutComponent(JovComponent* component) override;
    // Every card covers the container's area inside its insets.
    void layoutContainer(JovContainer* container) override;
    // The largest preferred width and height among the cards.
    JovDimension preferredLayoutSize(JovContainer* container) override;

    void first(JovContainer* parent);
    // From the last card on to the first.
    void next(JovContainer* parent);
    // From the first card back to the last.
    void previous(JovContainer* parent);
    // An unknown name changes nothing.
    void show(JovContainer* parent, const JovString& name);

    JovString toString() const override;

private:
    void display(JovContainer* parent, int index);

    // One name per child, in child order.
    JovVector names;
    int currentIndex;
};
