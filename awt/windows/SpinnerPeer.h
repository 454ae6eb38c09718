// The native side of a Spinner: a library child window holding the field's edit control and a
// native up/down control at its right edge, whose arrow notifications step the spinner.
#pragma once

#include "awt/windows/JovContainerPeer.h"

class Spinner;

class SpinnerPeer : public JovContainerPeer {
public:
    explicit SpinnerPeer(Spinner* spinner);

    void setBounds(int x, int y, int width, int height) override;
    void setEnabled(bool enabled) override;
    WindowHandle getUpDownWindow() const { return upDown; }

    JovString toString() const override;

protected:
    void initialize() override;

private:
    void placeUpDown(int width, int height);

    WindowHandle upDown = nullptr;
};
