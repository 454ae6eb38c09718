// The native editable drop-down of a JovComboBox. The keys go to its inner edit field, which has
// no peer; the peer therefore watches that field for Tab, Enter and Escape itself.
#pragma once

#include "awt/windows/JovChoicePeer.h"

#include <windows.h>

class JovComboBox;

class JovComboBoxPeer : public JovChoicePeer {
public:
    explicit JovComboBoxPeer(JovComboBox* comboBox);

    // Tab moves the focus on, as in other components.
    bool handleTab(int modifiers) override;

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    static LRESULT CALLBACK editProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
    // Enter and Escape as key events of the combo box; true when the key is one of them.
    static bool forwardKey(HWND edit, WPARAM key);
    void watchEditField();

    JovComboBox* comboBox;
};
