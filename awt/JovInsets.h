// Border widths of a container in pixels: top, left, bottom, right.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovInsets : public JovObject {
public:
    JovInsets() = default;
    JovInsets(int top, int left, int bottom, int right)
        : top(top), left(left), bottom(bottom), right(right) {}
    JovInsets(const JovInsets& other)
        : JovObject(), top(other.top), left(other.left), bottom(other.bottom), right(other.right) {}
    JovInsets& operator=(const JovInsets& other);

    JovObject* clone() const override { return new JovInsets(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};
