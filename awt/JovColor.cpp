#include "awt/JovColor.h"

namespace {
// Components are bytes; out-of-range arguments are clamped rather than wrapped.
unsigned char component(int value) {
    if (value < 0) {
        return 0;
    }
    return static_cast<unsigned char>(value > 255 ? 255 : value);
}
} // namespace

JovColor::JovColor(int red, int green, int blue, int alpha)
    : red(component(red)), green(component(green)), blue(component(blue)), alpha(component(alpha)) {
}

JovColor::JovColor(const JovColor& other)
    : JovObject(), red(other.red), green(other.green), blue(other.blue), alpha(other.alpha) {
}

JovColor& JovColor::operator=(const JovColor& other) {
    red = other.red;
    green = other.green;
    blue = other.blue;
    alpha = other.alpha;
    return *this;
}

JovString JovColor::toString() const {
    JovString text;
    text.format("ool.awt.JovColor[r=%d,g=%d,b=%d,a=%d]", red, green, blue, alpha);
    return text;
}

bool JovColor::equals(const JovObject* other) const {
    const auto* color = dynamic_cast<const JovColor*>(other);
    return color && color->red == red && color->green == green && color->blue == blue &&
           color->alpha == alpha;
}
