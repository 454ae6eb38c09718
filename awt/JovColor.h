// A colour value: red, green, blue and alpha bytes.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovColor : public JovObject {
public:
    static constexpr int opaque = 255;

    JovColor() = default;
    JovColor(int red, int green, int blue, int alpha = opaque);
    JovColor(const JovColor& other);
    JovColor& operator=(const JovColor& other);

    int getRed() const { return red; }
    int getGreen() const { return green; }
    int getBlue() const { return blue; }
    int getAlpha() const { return alpha; }

    JovObject* clone() const override { return new JovColor(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

private:
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    unsigned char alpha = opaque;
};
