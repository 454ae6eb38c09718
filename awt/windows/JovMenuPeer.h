// The native side of the menus: builds Win32 menus from menu bars and menus, keeps their items
// up to date in place and opens popup menus. Menu items have no window, so this is no component
// peer; chosen items come back as WM_COMMAND with the item's command id.
#pragma once

class JovComponent;
class JovFrame;
class JovMenu;
class JovMenuBar;
class JovMenuItem;
class JovPopupMenu;

class JovMenuPeer {
public:
    JovMenuPeer() = delete;

    // Makes the bar's menus the native menu of frame's window, replacing an older one.
    static void installMenuBar(JovMenuBar* menuBar, JovFrame* frame);
    // Removes and destroys the native menu of frame's window; the bar's items forget it.
    static void removeMenuBar(JovMenuBar* menuBar, JovFrame* frame);
    // Copies item's label, separator kind, check mark and enabled state into its native item.
    static void updateItem(JovMenuItem* item);
    // The item with commandId acts as if clicked; ids of no (or no longer living) item are
    // ignored. Called for WM_COMMAND from a menu.
    static void performCommand(int commandId);
    // Opens menu at x, y of invoker and returns when it closed.
    static void trackPopup(JovPopupMenu* menu, JovComponent* invoker, int x, int y);
};
