// A menu: a titled item that opens a list of items, separators and submenus.
#pragma once

#include "awt/JovMenuItem.h"
#include "util/JovVector.h"

class JovMenu : public JovMenuItem {
public:
    explicit JovMenu(const JovString& label = JovString()) : JovMenuItem(label) {}

    // Takes a counted reference; answers item.
    JovMenuItem* add(JovMenuItem* item);
    // A new item with label; answers it.
    JovMenuItem* add(const JovString& label);
    // Adds an item labelled "-".
    void addSeparator();
    // An index outside the items is reported and ignored.
    void remove(int index);
    int getItemCount() const { return items.size(); }
    // The item at index, or null.
    JovMenuItem* getItem(int index) const;
    // A menu opens its list; it has no action of its own.
    void doClick() override;

    JovString toString() const override;

private:
    JovVector items;
};
