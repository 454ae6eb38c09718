// A scroll bar's value moved: by a unit, by a block, or to where the thumb was dragged.
#pragma once

#include "awt/JovAWTEvent.h"

class JovAdjustmentEvent : public JovAWTEvent {
public:
    static constexpr int ADJUSTMENT_VALUE_CHANGED = ADJUSTMENT_EVENT_GROUP + 1;

    static constexpr int UNIT_INCREMENT = 1;
    static constexpr int UNIT_DECREMENT = 2;
    static constexpr int BLOCK_DECREMENT = 3;
    static constexpr int BLOCK_INCREMENT = 4;
    static constexpr int TRACK = 5;

    JovAdjustmentEvent(JovObject* source, int id, int adjustmentType, int value)
        : JovAWTEvent(source, id), adjustmentType(adjustmentType), value(value) {}

    int getAdjustmentType() const { return adjustmentType; }
    int getValue() const { return value; }

    JovString toString() const override;

private:
    int adjustmentType;
    int value;
};
