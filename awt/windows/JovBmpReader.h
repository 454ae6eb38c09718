// Decodes uncompressed BMP files of 1, 4, 8 and 24 bits per pixel into 24-bit images. The file's
// own sizes and offsets are checked against its length and fixed limits before anything is
// allocated or copied, so a damaged or hostile file only ever yields no image.
#pragma once

#include "lang/JovString.h"

#include <cstddef>

class JovWImage;

class JovBmpReader {
public:
    // Larger pictures are refused: the program's own pictures are a few hundred pixels wide.
    static constexpr int maxSide = 16384;
    static constexpr long long maxPixelCount = 16LL * 1024 * 1024;
    static constexpr long long maxFileBytes = 64LL * 1024 * 1024;

    JovBmpReader() = delete;

    // A new image (not yet referenced) or null when the file cannot be read or is refused.
    static JovWImage* read(const JovString& fileName);
    static JovWImage* decode(const unsigned char* bytes, std::size_t length);
};
