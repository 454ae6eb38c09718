// What the drawing code needs of a picture: its size and its pixels as top-down rows of
// blue, green and red bytes, each row padded to a multiple of 4 bytes (a 24-bit DIB).
#pragma once

#include "lang/JovObject.h"

class JovImage : public JovObject {
public:
    static constexpr int bytesPerPixel = 3;
    static constexpr int rowAlignment = 4;

    virtual int getWidth() const = 0;
    virtual int getHeight() const = 0;
    // getHeight() rows of getRowStride() bytes each, the top row first.
    virtual const unsigned char* getRows() const = 0;

    int getRowStride() const { return rowStride(getWidth()); }
    static int rowStride(int width) {
        return (width * bytesPerPixel + rowAlignment - 1) / rowAlignment * rowAlignment;
    }
};
