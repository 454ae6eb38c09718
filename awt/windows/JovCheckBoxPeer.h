// The native auto check box of a JovCheckBox, its label or its picture beside the box.
#pragma once

#include "awt/windows/JovToggleButtonPeer.h"

struct HICON__;

class JovImage;

class JovCheckBoxPeer : public JovToggleButtonPeer {
public:
    explicit JovCheckBoxPeer(JovToggleButton* button)
        : JovToggleButtonPeer(button), icon(nullptr) {}
    ~JovCheckBoxPeer() override;

    // Shows image instead of the label, or the label again when image is null.
    void setImage(JovImage* image);

    // The label's or the picture's extent with room for the box.
    JovDimension getPreferredSize() override;

    JovString toString() const override;

protected:
    unsigned long windowStyle() const override;
    unsigned long buttonStyle() const override;
    void initialize() override;

private:
    // The picture of the check box; radio buttons share this peer and have none.
    JovImage* currentImage() const;
    // Replaces BS_ICON or BS_MULTILINE of the window's style by content.
    void setContentStyle(unsigned long content);
    // Hands newIcon to the control and destroys the icon it replaces.
    void replaceIcon(HICON__* newIcon);
    // The control's icon, made from the picture; the peer owns it.
    HICON__* icon;
};
