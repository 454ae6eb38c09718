// The selected rows of a list or table change (or are about to): the range of rows affected.
#pragma once

#include "awt/JovAWTEvent.h"

class JovListSelectionEvent : public JovAWTEvent {
public:
    static constexpr int VALUE_CHANGED = LIST_SELECTION_EVENT_GROUP + 1;

    JovListSelectionEvent(JovObject* source, int firstIndex, int lastIndex, bool adjusting)
        : JovAWTEvent(source, VALUE_CHANGED), firstIndex(firstIndex), lastIndex(lastIndex),
          adjusting(adjusting) {}

    int getFirstIndex() const { return firstIndex; }
    int getLastIndex() const { return lastIndex; }
    // True while the change is one of a series that is still going on.
    bool getValueIsAdjusting() const { return adjusting; }

    JovString toString() const override;

private:
    int firstIndex;
    int lastIndex;
    bool adjusting;
};
