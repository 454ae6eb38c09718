#include "awt/windows/JovScrollBarPeer.h"

#include "awt/JovScrollBar.h"
#include "awt/event/JovAdjustmentEvent.h"

#include <windows.h>

namespace {

constexpr int noAdjustment = 0;
constexpr int defaultLength = 100;

int adjustmentOf(int request) {
    switch (request) {
    case SB_LINEDOWN:
        return JovAdjustmentEvent::UNIT_INCREMENT;
    case SB_LINEUP:
        return JovAdjustmentEvent::UNIT_DECREMENT;
    case SB_PAGEDOWN:
        return JovAdjustmentEvent::BLOCK_INCREMENT;
    case SB_PAGEUP:
        return JovAdjustmentEvent::BLOCK_DECREMENT;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return JovAdjustmentEvent::TRACK;
    default:
        return noAdjustment;
    }
}

} // namespace

JovScrollBarPeer::JovScrollBarPeer(JovScrollBar* scrollBar)
    : JovComponentPeer(scrollBar), scrollBar(scrollBar) {
}

const char* JovScrollBarPeer::windowClass() const {
    return "SCROLLBAR";
}

unsigned long JovScrollBarPeer::windowStyle() const {
    const unsigned long direction =
        scrollBar->getOrientation() == JovScrollBar::VERTICAL ? SBS_VERT : SBS_HORZ;
    return WS_CHILD | WS_CLIPSIBLINGS | direction | visibleStyle();
}

void JovScrollBarPeer::initialize() {
    JovComponentPeer::initialize();
    setValues(scrollBar->getValue(), scrollBar->getVisibleAmount(), scrollBar->getMinimum(),
              scrollBar->getMaximum());
}

void JovScrollBarPeer::setValues(int value, int visibleAmount, int minimum, int maximum) {
    if (getWindow() == nullptr) {
        return;
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = minimum;
    // The control's range ends at its last position, not after it.
    info.nMax = maximum - 1;
    info.nPage = static_cast<UINT>(visibleAmount);
    info.nPos = value;
    SetScrollInfo(getWindow(), SB_CTL, &info, TRUE);
}

JovDimension JovScrollBarPeer::getPreferredSize() {
    if (scrollBar->getOrientation() == JovScrollBar::VERTICAL) {
        return JovDimension(GetSystemMetrics(SM_CXVSCROLL), defaultLength);
    }
    return JovDimension(defaultLength, GetSystemMetrics(SM_CYHSCROLL));
}

void JovScrollBarPeer::handleScroll(int request, int thumbPosition) {
    const int adjustment = adjustmentOf(request);
    if (adjustment != noAdjustment) {
        scrollBar->adjust(adjustment, thumbPosition);
    }
}

JovString JovScrollBarPeer::toString() const {
    return "ool.awt.windows.JovScrollBarPeer";
}
