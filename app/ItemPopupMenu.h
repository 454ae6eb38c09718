// The context menu of both item tables: "&Neu", "&Bearbeiten" and "&Löschen", usable only in
// setup mode. The panel keeps it, because the chosen entry acts only after the menu closed.
#pragma once

#include "awt/JovPopupMenu.h"

class JovActionListener;

class ItemPopupMenu : public JovPopupMenu {
public:
    static constexpr const char* newCommand = "new";
    static constexpr const char* editCommand = "edit";
    static constexpr const char* deleteCommand = "delete";

    // listener hears the entries' commands.
    explicit ItemPopupMenu(JovActionListener* listener);

    // Opens at x, y in invoker's coordinates with the entries enabled as the mode allows.
    void showAt(JovComponent* invoker, int x, int y);

    JovString toString() const override;
};
