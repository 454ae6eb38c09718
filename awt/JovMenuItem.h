// One entry of a menu. Every item is entered in one process-wide list when it is made; its
// index there is its native command id, through which a chosen menu command finds it again.
#pragma once

#include "awt/JovAbstractButton.h"

struct HMENU__;

class JovMenuItem : public JovAbstractButton {
public:
    // The label that makes an item a separator.
    static constexpr const char* SEPARATOR_LABEL = "-";

    explicit JovMenuItem(const JovString& label = JovString(), JovKeyStroke* accelerator = nullptr);
    ~JovMenuItem() override;

    // Updates the native item in place.
    void setLabel(const JovString& label) override;
    // The native item follows, greyed or not, also after its menu was installed.
    void setEnabled(bool enabled) override;
    bool isSeparator() const;
    // The item's index in the process-wide list, as the native menus know it.
    int getCommandId() const { return commandId; }
    // A separator never acts.
    void doClick() override;

    // The living item with commandId, or null.
    static JovMenuItem* itemForCommand(int commandId);

    // The native menu the item is shown in, kept so that changes reach the item in place; null
    // while the item is in no native menu.
    HMENU__* getNativeMenu() const { return nativeMenu; }
    void setNativeMenu(HMENU__* menu) { nativeMenu = menu; }

    JovString toString() const override;

private:
    int commandId;
    HMENU__* nativeMenu;
};
