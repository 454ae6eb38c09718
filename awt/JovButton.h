// A push button: its click, Enter while it has the focus and its accelerator are its action.
#pragma once

#include "awt/JovAbstractButton.h"

class JovButton : public JovAbstractButton {
public:
    explicit JovButton(const JovString& label = JovString()) : JovAbstractButton(label) {}

    JovString toString() const override;
};
