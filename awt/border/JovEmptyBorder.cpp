// The empty border's insets are its four widths.

#include "awt/border/JovEmptyBorder.h"

JovInsets JovEmptyBorder::getBorderInsets(const JovComponent*) const {
    return JovInsets(top, left, bottom, right);
}

JovString JovEmptyBorder::toString() const {
    return "ool.awt.border.JovEmptyBorder";
}
