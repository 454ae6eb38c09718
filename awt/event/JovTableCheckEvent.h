// The user ticked or cleared the check box of a table row. A listener that consumes the event
// refuses the change: the check box keeps its old state.
#pragma once

#include "awt/event/ChangeEvent.h"

class JovTableCheckEvent : public ChangeEvent {
public:
    JovTableCheckEvent(JovObject* source, int row, bool checked)
        : ChangeEvent(source), row(row), checked(checked) {}

    int getRow() const { return row; }
    // The state the user asked for.
    bool isChecked() const { return checked; }

    JovString toString() const override;

private:
    int row;
    bool checked;
};
