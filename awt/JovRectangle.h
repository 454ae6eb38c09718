// A rectangle in pixels: component bounds in parent coordinates and clip areas.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovRectangle : public JovObject {
public:
    JovRectangle() = default;
    JovRectangle(int x, int y, int width, int height) : x(x), y(y), width(width), height(height) {}
    JovRectangle(const JovRectangle& other)
        : JovObject(), x(other.x), y(other.y), width(other.width), height(other.height) {}
    JovRectangle& operator=(const JovRectangle& other);

    bool contains(int px, int py) const;

    JovObject* clone() const override { return new JovRectangle(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
