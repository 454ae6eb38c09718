// The header of a 32-bit device-independent bitmap whose first row in memory is the top one, as
// the drawing tests need to read pixels at (x, y) straight from the bits.
#pragma once

#include <windows.h>

inline BITMAPINFO topDownBitmapInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    // A negative height is what makes the rows run top-down.
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}
