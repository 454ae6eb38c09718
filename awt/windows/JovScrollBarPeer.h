// The native scroll bar control of a JovScrollBar. Its requests reach the peer through the
// parent's WM_HSCROLL and WM_VSCROLL; the scroll bar itself computes the new value.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovScrollBar;

class JovScrollBarPeer : public JovComponentPeer {
public:
    explicit JovScrollBarPeer(JovScrollBar* scrollBar);

    void setValues(int value, int visibleAmount, int minimum, int maximum);
    // The system's scroll bar thickness along the bar's short side.
    JovDimension getPreferredSize() override;
    void handleScroll(int request, int thumbPosition) override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    void initialize() override;

private:
    JovScrollBar* scrollBar;
};
