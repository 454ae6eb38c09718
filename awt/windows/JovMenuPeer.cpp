#include "awt/windows/JovMenuPeer.h"

#include "awt/JovCheckboxMenuItem.h"
#include "awt/JovContainer.h"
#include "awt/JovFrame.h"
#include "awt/JovMenu.h"
#include "awt/JovMenuBar.h"
#include "awt/JovPopupMenu.h"
#include "awt/JovWindow.h"
#include "awt/windows/JovComponentPeer.h"

#include <windows.h>

namespace {

UINT stateOf(const JovMenuItem* item) {
    UINT state = item->isEnabled() ? MFS_ENABLED : MFS_DISABLED;
    const auto* checkbox = dynamic_cast<const JovCheckboxMenuItem*>(item);
    if (checkbox != nullptr && checkbox->getState()) {
        state |= MFS_CHECKED;
    }
    return state;
}

// Fills info with what the item shows; label must outlive info.
void describe(const JovMenuItem* item, const JovString& label, MENUITEMINFOA& info) {
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fType = item->isSeparator() ? MFT_SEPARATOR : MFT_STRING;
    info.fState = stateOf(item);
    info.wID = static_cast<UINT>(item->getCommandId());
    info.dwTypeData = const_cast<char*>(label.chars());
}

void appendMenu(HMENU parent, JovMenuItem* item);

HMENU buildPopup(JovMenu* menu) {
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < menu->getItemCount(); ++i) {
        appendMenu(popup, menu->getItem(i));
    }
    return popup;
}

void appendMenu(HMENU parent, JovMenuItem* item) {
    const JovString label = item->getLabel();
    MENUITEMINFOA info = {};
    describe(item, label, info);
    if (auto* submenu = dynamic_cast<JovMenu*>(item)) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = buildPopup(submenu);
    }
    InsertMenuItemA(parent, GetMenuItemCount(parent), TRUE, &info);
    item->setNativeMenu(parent);
}

void forgetMenus(JovMenu* menu) {
    menu->setNativeMenu(nullptr);
    for (int i = 0; i < menu->getItemCount(); ++i) {
        JovMenuItem* item = menu->getItem(i);
        if (auto* submenu = dynamic_cast<JovMenu*>(item)) {
            forgetMenus(submenu);
        }
        item->setNativeMenu(nullptr);
    }
}

HWND windowOf(const JovComponent* component) {
    return component != nullptr && component->getPeer() != nullptr
               ? component->getPeer()->getWindow()
               : nullptr;
}

// A menu bar shows changes of its own items only when it is drawn again.
BOOL CALLBACK redrawIfMenuOf(HWND window, LPARAM menu) {
    if (GetMenu(window) == reinterpret_cast<HMENU>(menu)) {
        DrawMenuBar(window);
        return FALSE;
    }
    return TRUE;
}

JovComponent* topLevelOf(JovComponent* component) {
    while (component != nullptr && dynamic_cast<JovWindow*>(component) == nullptr) {
        component = component->getParent();
    }
    return component;
}

} // namespace

void JovMenuPeer::installMenuBar(JovMenuBar* menuBar, JovFrame* frame) {
    HWND window = windowOf(frame);
    if (window == nullptr) {
        return;
    }
    HMENU bar = CreateMenu();
    for (int i = 0; i < menuBar->getMenuCount(); ++i) {
        appendMenu(bar, menuBar->getMenu(i));
    }
    HMENU old = GetMenu(window);
    SetMenu(window, bar);
    if (old != nullptr) {
        DestroyMenu(old);
    }
    DrawMenuBar(window);
}

void JovMenuPeer::removeMenuBar(JovMenuBar* menuBar, JovFrame* frame) {
    for (int i = 0; i < menuBar->getMenuCount(); ++i) {
        forgetMenus(menuBar->getMenu(i));
    }
    HWND window = windowOf(frame);
    if (window == nullptr) {
        return;
    }
    HMENU old = GetMenu(window);
    SetMenu(window, nullptr);
    if (old != nullptr) {
        DestroyMenu(old);
    }
}

void JovMenuPeer::performCommand(int commandId) {
    JovMenuItem* item = JovMenuItem::itemForCommand(commandId);
    if (item != nullptr) {
        item->doClick();
    }
}

void JovMenuPeer::updateItem(JovMenuItem* item) {
    HMENU menu = item->getNativeMenu();
    if (menu == nullptr) {
        return;
    }
    const JovString label = item->getLabel();
    MENUITEMINFOA info = {};
    describe(item, label, info);
    SetMenuItemInfoA(menu, static_cast<UINT>(item->getCommandId()), FALSE, &info);
    EnumThreadWindows(GetCurrentThreadId(), &redrawIfMenuOf, reinterpret_cast<LPARAM>(menu));
}

void JovMenuPeer::trackPopup(JovPopupMenu* menu, JovComponent* invoker, int x, int y) {
    HWND invokerWindow = windowOf(invoker);
    HWND owner = windowOf(topLevelOf(invoker));
    if (invokerWindow == nullptr || owner == nullptr) {
        return;
    }
    const JovInsets insets = invoker->getPeer()->getInsets();
    POINT place = {x - insets.left, y - insets.top};
    ClientToScreen(invokerWindow, &place);
    HMENU popup = buildPopup(menu);
    // The chosen command arrives at the owner as WM_COMMAND after the menu closed.
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, place.x, place.y, 0, owner, nullptr);
    forgetMenus(menu);
    DestroyMenu(popup);
}
