#include "awt/JovPoint.h"

JovPoint& JovPoint::operator=(const JovPoint& other) {
    x = other.x;
    y = other.y;
    return *this;
}

JovString JovPoint::toString() const {
    JovString text;
    text.format("ool.awt.JovPoint[x=%d,y=%d]", x, y);
    return text;
}

bool JovPoint::equals(const JovObject* other) const {
    const auto* point = dynamic_cast<const JovPoint*>(other);
    return point && point->x == x && point->y == y;
}
