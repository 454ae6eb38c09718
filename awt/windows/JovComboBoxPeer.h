// The native editable drop-down of a JovComboBox. The keys go to its inner edit field, which has
// no peer; the peer therefore sees that field's messages and takes Tab, Enter and Escape itself.
#pragma once

#include "awt/windows/JovChoicePeer.h"

#include <windows.h>

class JovComboBox;

class JovComboBoxPeer : public JovChoicePeer {
public:
    explicit JovComboBoxPeer(JovComboBox* comboBox);

    // Tab moves the focus on, as in other components.
    bool handleTab(int modifiers) override;
    // The inner edit field's messages: Tab moves the focus; the field sees neither Tab, Enter
    // nor Escape.
    std::intptr_t handleControlMessage(WindowHandle control, unsigned int message,
                                       std::uintptr_t wParam, std::intptr_t lParam) override;

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    static bool isTakenKey(unsigned int message, std::uintptr_t key);
    void watchEditField();

    JovComboBox* comboBox;
};
