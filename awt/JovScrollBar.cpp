#include "awt/JovScrollBar.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/event/JovAdjustmentEvent.h"
#include "awt/windows/JovScrollBarPeer.h"

JovScrollBar::JovScrollBar(int orientation, int value, int visibleAmount, int minimum, int maximum)
    : orientation(orientation == HORIZONTAL ? HORIZONTAL : VERTICAL), value(0), visibleAmount(0),
      minimum(0), maximum(0), unitIncrement(1), blockIncrement(visibleAmount),
      adjustmentListeners(nullptr) {
    setValues(value, visibleAmount, minimum, maximum);
}

JovScrollBar::~JovScrollBar() {
    JovAWTEventMulticaster::remove(adjustmentListeners, nullptr);
}

void JovScrollBar::setValues(int newValue, int newVisibleAmount, int newMinimum, int newMaximum) {
    minimum = newMinimum;
    maximum = newMaximum > newMinimum ? newMaximum : newMinimum;
    const int range = maximum - minimum;
    visibleAmount =
        newVisibleAmount < 0 ? 0 : (newVisibleAmount > range ? range : newVisibleAmount);
    value = clamped(newValue);
    if (auto* peer = getPeerAs<JovScrollBarPeer>()) {
        peer->setValues(value, visibleAmount, minimum, maximum);
    }
}

void JovScrollBar::setValue(int newValue) {
    setValues(newValue, visibleAmount, minimum, maximum);
}

int JovScrollBar::clamped(int wanted) const {
    const int highest = maximum - visibleAmount;
    if (wanted > highest) {
        return highest;
    }
    return wanted < minimum ? minimum : wanted;
}

int JovScrollBar::valueAfter(int adjustmentType, int trackValue) const {
    switch (adjustmentType) {
    case JovAdjustmentEvent::UNIT_INCREMENT:
        return value + unitIncrement;
    case JovAdjustmentEvent::UNIT_DECREMENT:
        return value - unitIncrement;
    case JovAdjustmentEvent::BLOCK_INCREMENT:
        return value + blockIncrement;
    case JovAdjustmentEvent::BLOCK_DECREMENT:
        return value - blockIncrement;
    case JovAdjustmentEvent::TRACK:
        return trackValue;
    default:
        return value;
    }
}

void JovScrollBar::addAdjustmentListener(JovAdjustmentListener* listener) {
    adjustmentListeners = JovAWTEventMulticaster::add(adjustmentListeners, listener);
}

void JovScrollBar::removeAdjustmentListener(JovAdjustmentListener* listener) {
    if (listener != nullptr) {
        adjustmentListeners = JovAWTEventMulticaster::remove(adjustmentListeners, listener);
    }
}

void JovScrollBar::adjust(int adjustmentType, int trackValue) {
    setValue(valueAfter(adjustmentType, trackValue));
    JovAdjustmentEvent event(this, JovAdjustmentEvent::ADJUSTMENT_VALUE_CHANGED, adjustmentType,
                             value);
    dispatchEvent(event);
}

void JovScrollBar::processEvent(JovAWTEvent& event) {
    auto* adjustment = dynamic_cast<JovAdjustmentEvent*>(&event);
    if (adjustment == nullptr) {
        JovComponent::processEvent(event);
        return;
    }
    if (adjustmentListeners != nullptr) {
        adjustmentListeners->adjustmentValueChanged(*adjustment);
    }
}

JovString JovScrollBar::toString() const {
    return JovString("ool.awt.JovScrollBar[,value=") + JovString::valueOf(value) + "]";
}
