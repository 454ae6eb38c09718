// A push button: its click, Enter while it has the focus and its accelerator are its action.
#pragma once

#include "awt/JovAbstractButton.h"

class JovButton : public JovAbstractButton {
public:
    explicit JovButton(const JovString& label = JovString())
        : JovAbstractButton(label), defaultLook(false) {}

    // Set by the dialog whose default button this is: drawn with the thick frame.
    void setDefault(bool isDefault);
    bool isDefault() const { return defaultLook; }

    JovString toString() const override;

private:
    bool defaultLook;
};
