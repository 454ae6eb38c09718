// Renders page 0 of a printable into a PNG file, mapped to label units as on paper, at a chosen
// resolution; the platform's own image encoder writes the file.
#pragma once

#include "awt/JovDimension.h"
#include "lang/JovString.h"

class JovPrintable;

class JovPngPrinter {
public:
    JovPngPrinter() = delete;

    // labelSize in label units (1/96 inch) on a white page of pixelsPerInch; false when the
    // bitmap cannot be made or the file cannot be written.
    static bool write(JovPrintable& printable, const JovDimension& labelSize, int pixelsPerInch,
                      const JovString& path);
};
