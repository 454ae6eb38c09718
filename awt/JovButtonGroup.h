// Radio buttons and toggle buttons of which at most one is selected: selecting one clears the
// others.
#pragma once

#include "lang/JovObject.h"
#include <vector>

class JovToggleButton;

class JovButtonGroup : public JovObject {
public:
    JovButtonGroup() = default;
    JovButtonGroup(const JovButtonGroup&) = delete;
    JovButtonGroup& operator=(const JovButtonGroup&) = delete;
    ~JovButtonGroup() override;

    // The group does not hold its buttons counted: each button holds its group.
    void add(JovToggleButton* button);
    void remove(JovToggleButton* button);
    int getButtonCount() const { return static_cast<int>(buttons.size()); }
    // Clears every member but button; button null clears them all.
    void selectOnly(JovToggleButton* button);
    // The selected member, or null.
    JovToggleButton* getSelection() const;

    JovString toString() const override;

private:
    std::vector<JovToggleButton*> buttons;
};
