#include "awt/JovMenuBar.h"

#include "awt/JovFrame.h"
#include "awt/JovKeyStroke.h"
#include "awt/JovMenu.h"
#include "awt/windows/JovMenuPeer.h"

namespace {

JovMenuItem* findItemForKey(const JovMenu* menu, const JovKeyEvent& event) {
    for (int i = 0; i < menu->getItemCount(); ++i) {
        JovMenuItem* item = menu->getItem(i);
        if (auto* submenu = dynamic_cast<const JovMenu*>(item)) {
            // A greyed menu cannot be opened, so none of its items may act by key either.
            if (!submenu->isEnabled()) {
                continue;
            }
            if (JovMenuItem* found = findItemForKey(submenu, event)) {
                return found;
            }
            continue;
        }
        if (item->isEnabled() && item->getAccelerator() != nullptr &&
            item->getAccelerator()->matches(event)) {
            return item;
        }
    }
    return nullptr;
}

} // namespace

JovMenuBar::~JovMenuBar() {
    uninstall();
}

JovMenu* JovMenuBar::add(JovMenu* menu) {
    if (menu != nullptr) {
        menus.addElement(menu);
    }
    return menu;
}

JovMenu* JovMenuBar::getMenu(int index) const {
    if (index < 0 || index >= menus.size()) {
        return nullptr;
    }
    return static_cast<JovMenu*>(menus.elementAt(index));
}

JovMenuItem* JovMenuBar::itemForKey(const JovKeyEvent& event) const {
    for (int i = 0; i < menus.size(); ++i) {
        if (!getMenu(i)->isEnabled()) {
            continue;
        }
        if (JovMenuItem* item = findItemForKey(getMenu(i), event)) {
            return item;
        }
    }
    return nullptr;
}

void JovMenuBar::installIn(JovFrame* frame) {
    if (frame == nullptr) {
        return;
    }
    uninstall();
    installedFrame = frame;
    frame->addKeyListener(this);
    JovMenuPeer::installMenuBar(this, frame);
}

void JovMenuBar::uninstall() {
    if (installedFrame == nullptr) {
        return;
    }
    installedFrame->removeKeyListener(this);
    JovMenuPeer::removeMenuBar(this, installedFrame);
    installedFrame = nullptr;
}

void JovMenuBar::keyPressed(JovKeyEvent& event) {
    JovMenuItem* item = itemForKey(event);
    if (item == nullptr) {
        return;
    }
    event.consume();
    item->doClick();
}

JovString JovMenuBar::toString() const {
    return labelledText("JovMenuBar");
}
