// A menu that opens at a place in a component, as the context menu of tables and trees.
#pragma once

#include "awt/JovMenu.h"

class JovPopupMenu : public JovMenu {
public:
    explicit JovPopupMenu(const JovString& label = JovString()) : JovMenu(label) {}

    // Opens the menu at x, y in invoker's coordinates and returns when it closed; the chosen
    // item's action follows as a menu command of invoker's top-level window.
    void show(JovComponent* invoker, int x, int y);

    JovString toString() const override;
};
