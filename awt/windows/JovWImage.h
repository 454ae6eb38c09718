// A decoded bitmap held as 24-bit rows, top row first, ready for StretchDIBits.
#pragma once

#include "awt/JovColor.h"
#include "awt/JovImage.h"
#include "lang/JovString.h"

#include <cstddef>
#include <vector>

class JovWImage : public JovImage {
public:
    // Width and height must be above 0; the pixels start black.
    JovWImage(int width, int height);
    JovWImage(const JovWImage&) = delete;
    JovWImage& operator=(const JovWImage&) = delete;

    int getWidth() const override { return width; }
    int getHeight() const override { return height; }
    const unsigned char* getRows() const override { return pixels.data(); }
    // The row y (0 is the top) for the decoder to fill; null outside the image.
    unsigned char* row(int y);

    // Outside the image: an error line and black, resp. nothing written.
    JovColor getPixel(int x, int y) const;
    void setPixel(int x, int y, const JovColor& color);

    JovString toString() const override;

private:
    bool inside(int x, int y) const;
    std::size_t offsetOf(int x, int y) const;
    void reportOutside(int x, int y) const;

    int width;
    int height;
    std::vector<unsigned char> pixels;
};
