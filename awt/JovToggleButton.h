// A button that stays pressed: a selected flag, and a group in which at most one is selected.
#pragma once

#include "awt/JovAbstractButton.h"

class JovButtonGroup;

class JovToggleButton : public JovAbstractButton {
public:
    explicit JovToggleButton(const JovString& label = JovString(), bool selected = false)
        : JovAbstractButton(label), selected(selected), group(nullptr) {}
    ~JovToggleButton() override;

    // Selecting a member of a group clears the other members.
    void setSelected(bool selected);
    bool isSelected() const;
    JovButtonGroup* getGroup() const { return group; }
    // Called by JovButtonGroup::add and remove; holds the group counted.
    void setGroup(JovButtonGroup* group);

    // Toggles the selection, then performs the action.
    void doClick() override;

    JovString toString() const override;

protected:
    void controlClicked() override;
    // What a click does to the selection: a toggle button flips it.
    virtual bool selectionAfterClick() const { return !selected; }
    // As in the system's dialogs, Enter on a check box or radio button is the dialog's, and
    // Space toggles it.
    bool clicksOnEnter() const override { return false; }

private:
    bool selected;
    JovButtonGroup* group;
};
