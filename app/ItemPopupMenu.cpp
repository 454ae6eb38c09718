// The item tables' context menu.

#include "app/ItemPopupMenu.h"

#include "app/MainFrame.h"
#include "awt/JovMenuItem.h"

namespace {

struct Entry {
    const char* label;
    const char* command;
};

constexpr Entry entries[] = {{"&Neu", ItemPopupMenu::newCommand},
                             {"&Bearbeiten", ItemPopupMenu::editCommand},
                             {"&Löschen", ItemPopupMenu::deleteCommand}};

} // namespace

ItemPopupMenu::ItemPopupMenu(JovActionListener* listener) {
    for (const Entry& entry : entries) {
        JovMenuItem* item = add(entry.label);
        item->setActionCommand(entry.command);
        item->addActionListener(listener);
    }
}

void ItemPopupMenu::showAt(JovComponent* invoker, int x, int y) {
    for (int i = 0; i < getItemCount(); ++i) {
        getItem(i)->setEnabled(MainFrame::isSetupMode());
    }
    show(invoker, x, y);
}

JovString ItemPopupMenu::toString() const {
    return "tarvelund.main.ItemPopupMenu";
}
