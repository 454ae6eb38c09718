// Base of the library's borders: takes no space and paints nothing until a subclass says so.
#pragma once

#include "awt/border/JovBorder.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovAbstractBorder : public JovObject, public JovBorder {
public:
    void paintBorder(JovComponent* component, JovGraphics& graphics, int x, int y, int width,
                     int height) override;
    JovInsets getBorderInsets(const JovComponent* component) const override;

    JovString toString() const override;
};
