// A check box: a toggle button drawn as a box with a check mark beside its label, or beside a
// picture in place of the label.
#pragma once

#include "awt/JovImage.h"
#include "awt/JovToggleButton.h"
#include "lang/JovReference.h"

class JovCheckBox : public JovToggleButton {
public:
    explicit JovCheckBox(const JovString& label = JovString(), bool selected = false)
        : JovToggleButton(label, selected) {}
    JovCheckBox(const JovCheckBox&) = delete;
    JovCheckBox& operator=(const JovCheckBox&) = delete;
    ~JovCheckBox() override;

    // Takes a counted reference; the control shows the picture instead of the label. Null goes
    // back to the label.
    void setImage(JovImage* image);
    JovImage* getImage() const { return image.get(); }

    JovString toString() const override;

private:
    JovReference<JovImage> image;
};
