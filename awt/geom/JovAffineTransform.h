// A 2-D affine transform of drawing coordinates: identity on the screen, a scaling on paper.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovAffineTransform : public JovObject {
public:
    // A transformed point; doubles, so that rounding to device pixels happens once, at the end.
    struct Point {
        double x;
        double y;
    };

    JovAffineTransform() = default;
    JovAffineTransform(double scaleX, double shearY, double shearX, double scaleY,
                       double translateX, double translateY);
    JovAffineTransform(const JovAffineTransform& other);
    JovAffineTransform& operator=(const JovAffineTransform& other);

    static JovAffineTransform getScaleInstance(double sx, double sy);
    static JovAffineTransform getTranslateInstance(double tx, double ty);

    double getScaleX() const { return scaleX; }
    double getShearY() const { return shearY; }
    double getShearX() const { return shearX; }
    double getScaleY() const { return scaleY; }
    double getTranslateX() const { return translateX; }
    double getTranslateY() const { return translateY; }
    bool isIdentity() const;

    void setToIdentity();
    // Both apply the new step before the existing ones, as the mirrored library does: after
    // translate(10, 0) then scale(2, 2), the point (1, 0) maps to (12, 0).
    void scale(double sx, double sy);
    void translate(double tx, double ty);
    // This transform becomes "other first, then this".
    void concatenate(const JovAffineTransform& other);

    Point transform(double x, double y) const;

    JovObject* clone() const override { return new JovAffineTransform(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

private:
    double scaleX = 1.0;
    double shearY = 0.0;
    double shearX = 0.0;
    double scaleY = 1.0;
    double translateX = 0.0;
    double translateY = 0.0;
};
