#include "awt/JovDimension.h"

JovDimension& JovDimension::operator=(const JovDimension& other) {
    width = other.width;
    height = other.height;
    return *this;
}

JovString JovDimension::toString() const {
    JovString text;
    text.format("ool.awt.JovDimension[width=%d,height=%d]", width, height);
    return text;
}

bool JovDimension::equals(const JovObject* other) const {
    const auto* size = dynamic_cast<const JovDimension*>(other);
    return size && size->width == width && size->height == height;
}
