// The border base: empty insets, no painting.

#include "awt/border/JovAbstractBorder.h"

void JovAbstractBorder::paintBorder(JovComponent*, JovGraphics&, int, int, int, int) {
}

JovInsets JovAbstractBorder::getBorderInsets(const JovComponent*) const {
    return JovInsets();
}

JovString JovAbstractBorder::toString() const {
    return "ool.awt.border.JovAbstractBorder";
}
