// The native push-like check box of a JovToggleButton; the check mark is its pressed state.
#pragma once

#include "awt/windows/JovButtonPeer.h"

class JovToggleButton;

class JovToggleButtonPeer : public JovButtonPeer {
public:
    explicit JovToggleButtonPeer(JovToggleButton* button);

    void setChecked(bool checked);
    bool isChecked() const;

    JovString toString() const override;

protected:
    unsigned long buttonStyle() const override;
    void initialize() override;

private:
    JovToggleButton* toggleButton;
};
