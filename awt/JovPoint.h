// A position in pixels, as used for component locations and drawing origins.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovPoint : public JovObject {
public:
    JovPoint() = default;
    JovPoint(int x, int y) : x(x), y(y) {}
    JovPoint(const JovPoint& other) : JovObject(), x(other.x), y(other.y) {}
    JovPoint& operator=(const JovPoint& other);

    JovObject* clone() const override { return new JovPoint(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

    int x = 0;
    int y = 0;
};
