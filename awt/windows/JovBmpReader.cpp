// BMP decoding: the file is read whole (up to a limit) and every header value is validated
// against the bytes actually present before pixels are converted to top-down 24-bit rows.

#include "awt/windows/JovBmpReader.h"

#include "awt/windows/JovWImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t pixelOffsetField = 10;
constexpr std::size_t infoHeaderStart = fileHeaderSize;
// The classic information header; later versions only append fields this reader does not need.
constexpr std::uint32_t minInfoHeaderSize = 40;
constexpr std::uint32_t maxInfoHeaderSize = 124;
constexpr std::size_t widthField = infoHeaderStart + 4;
constexpr std::size_t heightField = infoHeaderStart + 8;
constexpr std::size_t bitCountField = infoHeaderStart + 14;
constexpr std::size_t compressionField = infoHeaderStart + 16;
constexpr std::size_t colorsUsedField = infoHeaderStart + 32;
constexpr std::uint32_t uncompressed = 0;
constexpr std::size_t paletteEntrySize = 4;
constexpr std::size_t readChunk = 64 * 1024;
constexpr int trueColorBits = 24;
constexpr int bitsPerByte = 8;
constexpr unsigned rowAlignmentBits = 32;

// Little-endian fields read from a buffer whose length the caller has checked.
struct Bytes {
    const unsigned char* data;
    std::size_t length;

    bool holds(std::size_t offset, std::size_t count) const {
        return offset <= length && count <= length - offset;
    }
    std::uint32_t u16(std::size_t offset) const {
        return static_cast<std::uint32_t>(data[offset] | data[offset + 1] << 8);
    }
    std::uint32_t u32(std::size_t offset) const { return u16(offset) | u16(offset + 2) << 16; }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }
};

struct Layout {
    int width;
    int height;
    bool bottomUp;
    int bitCount;
    std::size_t paletteOffset;
    std::size_t paletteCount;
    std::size_t pixelOffset;
    std::size_t sourceStride;
};

bool supportedBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == trueColorBits;
}

bool readHeaders(const Bytes& file, Layout& layout) {
    if (!file.holds(0, fileHeaderSize + minInfoHeaderSize) || file.data[0] != 'B' ||
        file.data[1] != 'M') {
        return false;
    }
    const std::uint32_t infoSize = file.u32(infoHeaderStart);
    if (infoSize < minInfoHeaderSize || infoSize > maxInfoHeaderSize ||
        !file.holds(infoHeaderStart, infoSize)) {
        return false;
    }
    if (file.u32(compressionField) != uncompressed) {
        return false;
    }
    layout.bitCount = static_cast<int>(file.u16(bitCountField));
    if (!supportedBitCount(layout.bitCount)) {
        return false;
    }
    const std::int64_t width = file.i32(widthField);
    const std::int64_t height = file.i32(heightField);
    const std::int64_t rows = height < 0 ? -height : height;
    if (width < 1 || width > JovBmpReader::maxSide || rows < 1 || rows > JovBmpReader::maxSide ||
        width * rows > JovBmpReader::maxPixelCount) {
        return false;
    }
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(rows);
    layout.bottomUp = height > 0;
    layout.paletteOffset = infoHeaderStart + infoSize;
    layout.pixelOffset = file.u32(pixelOffsetField);
    return true;
}

// A palette larger than the bit count can address, or running past the file, is refused.
bool readPaletteSize(const Bytes& file, Layout& layout) {
    if (layout.bitCount == trueColorBits) {
        layout.paletteCount = 0;
        return true;
    }
    const std::size_t addressable = std::size_t{1} << layout.bitCount;
    const std::size_t used = file.u32(colorsUsedField);
    layout.paletteCount = used == 0 ? addressable : used;
    return layout.paletteCount <= addressable &&
           file.holds(layout.paletteOffset, layout.paletteCount * paletteEntrySize);
}

// Rows are padded to 32 bits; all of them must lie in the file, after the headers.
bool pixelsPresent(const Bytes& file, Layout& layout) {
    const std::size_t rowBits = static_cast<std::size_t>(layout.width) * layout.bitCount;
    layout.sourceStride =
        (rowBits + rowAlignmentBits - 1) / rowAlignmentBits * (rowAlignmentBits / bitsPerByte);
    return layout.pixelOffset >= layout.paletteOffset &&
           file.holds(layout.pixelOffset, layout.sourceStride * layout.height);
}

// The palette index of pixel x in a row of 1, 4 or 8 bits per pixel, leftmost pixel in the
// high bits.
std::size_t paletteIndex(const unsigned char* row, int x, int bitCount) {
    const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
    const unsigned shift = bitsPerByte - bitCount - bit % bitsPerByte;
    return (row[bit / bitsPerByte] >> shift) & ((1u << bitCount) - 1);
}

// Palette entries are blue, green, red, reserved: the first three are the target's byte order.
// An index past a short palette gives black.
void convertPaletteRow(const Bytes& file, const Layout& layout, const unsigned char* source,
                       unsigned char* target) {
    const unsigned char* palette = file.data + layout.paletteOffset;
    for (int x = 0; x < layout.width; ++x) {
        const std::size_t index = paletteIndex(source, x, layout.bitCount);
        unsigned char* pixel = target + static_cast<std::size_t>(x) * JovImage::bytesPerPixel;
        if (index >= layout.paletteCount) {
            pixel[0] = pixel[1] = pixel[2] = 0;
            continue;
        }
        const unsigned char* entry = palette + index * paletteEntrySize;
        pixel[0] = entry[0];
        pixel[1] = entry[1];
        pixel[2] = entry[2];
    }
}

void convertRow(const Bytes& file, const Layout& layout, const unsigned char* source,
                unsigned char* target) {
    if (layout.bitCount == trueColorBits) {
        std::copy(source, source + static_cast<std::size_t>(layout.width) * JovImage::bytesPerPixel,
                  target);
        return;
    }
    convertPaletteRow(file, layout, source, target);
}

JovWImage* convert(const Bytes& file, const Layout& layout) {
    auto* image = new JovWImage(layout.width, layout.height);
    for (int row = 0; row < layout.height; ++row) {
        const unsigned char* source =
            file.data + layout.pixelOffset + static_cast<std::size_t>(row) * layout.sourceStride;
        const int y = layout.bottomUp ? layout.height - 1 - row : row;
        convertRow(file, layout, source, image->row(y));
    }
    return image;
}

// The whole file, or false when it cannot be opened, fails to read or exceeds the limit.
bool readFile(const JovString& fileName, std::vector<unsigned char>& bytes) {
    FILE* stream = std::fopen(fileName.chars(), "rb");
    if (stream == nullptr) {
        return false;
    }
    std::size_t count = 0;
    do {
        const std::size_t filled = bytes.size();
        bytes.resize(filled + readChunk);
        count = std::fread(bytes.data() + filled, 1, readChunk, stream);
        bytes.resize(filled + count);
    } while (count == readChunk &&
             static_cast<long long>(bytes.size()) <= JovBmpReader::maxFileBytes);
    const bool complete =
        !std::ferror(stream) && static_cast<long long>(bytes.size()) <= JovBmpReader::maxFileBytes;
    std::fclose(stream);
    return complete;
}

} // namespace

JovWImage* JovBmpReader::read(const JovString& fileName) {
    std::vector<unsigned char> bytes;
    if (!readFile(fileName, bytes)) {
        return nullptr;
    }
    return decode(bytes.data(), bytes.size());
}

JovWImage* JovBmpReader::decode(const unsigned char* bytes, std::size_t length) {
    const Bytes file{bytes, bytes == nullptr ? 0 : length};
    Layout layout = {};
    if (!readHeaders(file, layout) || !readPaletteSize(file, layout) ||
        !pixelsPresent(file, layout)) {
        return nullptr;
    }
    return convert(file, layout);
}
