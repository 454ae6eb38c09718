// The native push button of a JovButton; its clicks reach the button through the window
// procedure as pressed and released events.
#pragma once

#include "awt/windows/JovComponentPeer.h"

class JovAbstractButton;

class JovButtonPeer : public JovComponentPeer {
public:
    explicit JovButtonPeer(JovAbstractButton* button);

    // The label's extent with room for the button's frame.
    JovDimension getPreferredSize() override;
    // The thick frame of a dialog's default button.
    void setDefaultLook(bool isDefault);

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;
    // The kind of button: push button here, check boxes in subclasses.
    virtual unsigned long buttonStyle() const;

    JovAbstractButton* getButton() const { return button; }

private:
    JovAbstractButton* button;
};
