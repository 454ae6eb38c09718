// A width and height in pixels: preferred sizes and layout results.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovDimension : public JovObject {
public:
    JovDimension() = default;
    JovDimension(int width, int height) : width(width), height(height) {}
    JovDimension(const JovDimension& other)
        : JovObject(), width(other.width), height(other.height) {}
    JovDimension& operator=(const JovDimension& other);

    JovObject* clone() const override { return new JovDimension(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

    int width = 0;
    int height = 0;
};
