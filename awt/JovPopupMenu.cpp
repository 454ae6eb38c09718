#include "awt/JovPopupMenu.h"

#include "awt/windows/JovMenuPeer.h"

void JovPopupMenu::show(JovComponent* invoker, int x, int y) {
    if (invoker != nullptr) {
        JovMenuPeer::trackPopup(this, invoker, x, y);
    }
}

JovString JovPopupMenu::toString() const {
    return labelledText("JovPopupMenu");
}
