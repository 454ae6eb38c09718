#include "awt/JovRectangle.h"

JovRectangle& JovRectangle::operator=(const JovRectangle& other) {
    x = other.x;
    y = other.y;
    width = other.width;
    height = other.height;
    return *this;
}

bool JovRectangle::contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
}

JovString JovRectangle::toString() const {
    JovString text;
    text.format("ool.awt.JovRectangle[x=%d,y=%d,width=%d,height=%d]", x, y, width, height);
    return text;
}

bool JovRectangle::equals(const JovObject* other) const {
    const auto* rectangle = dynamic_cast<const JovRectangle*>(other);
    return rectangle && rectangle->x == x && rectangle->y == y && rectangle->width == width &&
           rectangle->height == height;
}
