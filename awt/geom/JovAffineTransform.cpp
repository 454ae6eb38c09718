// The six coefficients of a 2-D affine transform and the operations the drawing code needs.

#include "awt/geom/JovAffineTransform.h"

JovAffineTransform::JovAffineTransform(double scaleX, double shearY, double shearX, double scaleY,
                                       double translateX, double translateY)
    : scaleX(scaleX), shearY(shearY), shearX(shearX), scaleY(scaleY), translateX(translateX),
      translateY(translateY) {
}

JovAffineTransform::JovAffineTransform(const JovAffineTransform& other)
    : JovObject(), scaleX(other.scaleX), shearY(other.shearY), shearX(other.shearX),
      scaleY(other.scaleY), translateX(other.translateX), translateY(other.translateY) {
}

JovAffineTransform& JovAffineTransform::operator=(const JovAffineTransform& other) {
    scaleX = other.scaleX;
    shearY = other.shearY;
    shearX = other.shearX;
    scaleY = other.scaleY;
    translateX = other.translateX;
    translateY = other.translateY;
    return *this;
}

JovAffineTransform JovAffineTransform::getScaleInstance(double sx, double sy) {
    return JovAffineTransform(sx, 0.0, 0.0, sy, 0.0, 0.0);
}

JovAffineTransform JovAffineTransform::getTranslateInstance(double tx, double ty) {
    return JovAffineTransform(1.0, 0.0, 0.0, 1.0, tx, ty);
}

bool JovAffineTransform::isIdentity() const {
    return scaleX == 1.0 && shearY == 0.0 && shearX == 0.0 && scaleY == 1.0 && translateX == 0.0 &&
           translateY == 0.0;
}

void JovAffineTransform::setToIdentity() {
    *this = JovAffineTransform();
}

void JovAffineTransform::scale(double sx, double sy) {
    concatenate(getScaleInstance(sx, sy));
}

void JovAffineTransform::translate(double tx, double ty) {
    concatenate(getTranslateInstance(tx, ty));
}

void JovAffineTransform::concatenate(const JovAffineTransform& other) {
    // [this] x [other]: other's point is mapped first, then this transform applies.
    const double newScaleX = scaleX * other.scaleX + shearX * other.shearY;
    const double newShearX = scaleX * other.shearX + shearX * other.scaleY;
    const double newTranslateX = scaleX * other.translateX + shearX * other.translateY + translateX;
    const double newShearY = shearY * other.scaleX + scaleY * other.shearY;
    const double newScaleY = shearY * other.shearX + scaleY * other.scaleY;
    const double newTranslateY = shearY * other.translateX + scaleY * other.translateY + translateY;
    scaleX = newScaleX;
    shearX = newShearX;
    translateX = newTranslateX;
    shearY = newShearY;
    scaleY = newScaleY;
    translateY = newTranslateY;
}

JovAffineTransform::Point JovAffineTransform::transform(double x, double y) const {
    return Point{scaleX * x + shearX * y + translateX, shearY * x + scaleY * y + translateY};
}

JovString JovAffineTransform::toString() const {
    return "ool.awt.geom.JovAffineTransform";
}

bool JovAffineTransform::equals(const JovObject* other) const {
    const auto* transform = dynamic_cast<const JovAffineTransform*>(other);
    return transform && transform->scaleX == scaleX && transform->shearY == shearY &&
           transform->shearX == shearX && transform->scaleY == scaleY &&
           transform->translateX == translateX && transform->translateY == translateY;
}
