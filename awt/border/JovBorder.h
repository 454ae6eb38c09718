// What a component asks of its border: the space it takes and its painting around a rectangle.
#pragma once

#include "awt/JovInsets.h"

class JovComponent;
class JovGraphics;

class JovBorder {
public:
    virtual ~JovBorder() = default;

    // Paints the border inside the rectangle x, y, width, height of component's area.
    virtual void paintBorder(JovComponent* component, JovGraphics& graphics, int x, int y,
                             int width, int height) = 0;
    virtual JovInsets getBorderInsets(const JovComponent* component) const = 0;
};
