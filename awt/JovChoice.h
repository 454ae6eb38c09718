// A drop-down list of texts with one selected (index -1 for none). A change of the selection in
// the control is the action "selectionChanged"; with listeners, Enter is "returnPressed" and Escape
// is swallowed.
#pragma once

#include "awt/JovComponent.h"
#include "util/JovVector.h"

class JovActionListener;

class JovChoice : public JovComponent {
public:
    static constexpr int NO_SELECTION = -1;
    static constexpr const char* SELECTION_CHANGED = "selectionChanged";
    static constexpr const char* RETURN_PRESSED = "returnPressed";

    JovChoice();
    ~JovChoice() override;

    void addItem(const JovString& item);
    // An index outside the items is reported and ignored.
    void removeItemAt(int index);
    void removeAll();
    int getItemCount() const { return items.size(); }
    // The item at index, or an empty text outside the items.
    JovString getItem(int index) const;
    // Selects index without an action event; an index outside the items selects nothing.
    void select(int index);
    int getSelectedIndex() const { return selectedIndex; }
    // The selected item, or an empty text.
    JovString getSelectedItem() const { return getItem(selectedIndex); }

    void addActionListener(JovActionListener* listener);
    void removeActionListener(JovActionListener* listener);

    // The control's selection moved to index: stored, then "selectionChanged".
    void selectionChanged(int index);
    void processKeyEvent(JovKeyEvent& event) override;

    JovString toString() const override;

protected:
    void fireAction(const char* command);
    bool isItemIndex(int index) const { return index >= 0 && index < items.size(); }

private:
    JovVector items;
    int selectedIndex;
    JovAWTEventMulticaster* actionListeners;
};
