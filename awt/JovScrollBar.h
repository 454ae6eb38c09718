// A scroll bar: a value between minimum and maximum less the visible amount, moved by units,
// blocks or the thumb, each move reported as an adjustment event.
#pragma once

#include "awt/JovComponent.h"

class JovAdjustmentListener;

class JovScrollBar : public JovComponent {
public:
    static constexpr int HORIZONTAL = 0;
    static constexpr int VERTICAL = 1;

    explicit JovScrollBar(int orientation = VERTICAL, int value = 0, int visibleAmount = 10,
                          int minimum = 0, int maximum = 100);
    ~JovScrollBar() override;

    int getOrientation() const { return orientation; }
    // The value is kept between the minimum and the maximum less the visible amount.
    void setValues(int value, int visibleAmount, int minimum, int maximum);
    void setValue(int value);
    int getValue() const { return value; }
    int getMinimum() const { return minimum; }
    int getMaximum() const { return maximum; }
    int getVisibleAmount() const { return visibleAmount; }
    void setUnitIncrement(int increment) { unitIncrement = increment; }
    int getUnitIncrement() const { return unitIncrement; }
    void setBlockIncrement(int increment) { blockIncrement = increment; }
    int getBlockIncrement() const { return blockIncrement; }

    void addAdjustmentListener(JovAdjustmentListener* listener);
    void removeAdjustmentListener(JovAdjustmentListener* listener);

    // A move asked for by the user: adjustmentType is one of JovAdjustmentEvent's types, and
    // trackValue the thumb's position for TRACK. Sets the value and reports it.
    void adjust(int adjustmentType, int trackValue);
    void processEvent(JovAWTEvent& event) override;

    JovString toString() const override;

private:
    int clamped(int wanted) const;
    int valueAfter(int adjustmentType, int trackValue) const;

    int orientation;
    int value;
    int visibleAmount;
    int minimum;
    int maximum;
    int unitIncrement;
    int blockIncrement;
    JovAWTEventMulticaster* adjustmentListeners;
};
