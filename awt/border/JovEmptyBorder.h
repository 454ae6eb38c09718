// Blank space around a component's content, used to keep dialog contents off the window edge.
#pragma once

#include "awt/border/JovAbstractBorder.h"

class JovEmptyBorder : public JovAbstractBorder {
public:
    JovEmptyBorder(int top, int left, int bottom, int right)
        : top(top), left(left), bottom(bottom), right(right) {}

    JovInsets getBorderInsets(const JovComponent* component) const override;

    JovString toString() const override;

private:
    int top;
    int left;
    int bottom;
    int right;
};
