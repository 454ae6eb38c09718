#include "BmpFileBuilder.h"

namespace {

constexpr std::size_t rowAlignment = 4;
constexpr std::uint32_t paletteEntrySize = 4;

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

} // namespace

std::uint32_t BmpFileBuilder::naturalPixelOffset() const {
    return fileHeaderSize + infoSize +
           static_cast<std::uint32_t>(palette.size()) * paletteEntrySize;
}

std::string BmpFileBuilder::build() const {
    std::string pixels;
    for (const std::string& row : rows) {
        pixels += row;
        pixels.append((rowAlignment - row.size() % rowAlignment) % rowAlignment, '\0');
    }
    const std::uint32_t offset = pixelOffset.value_or(naturalPixelOffset());
    std::string file = magic;
    put32(file, naturalPixelOffset() + static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, offset);
    put32(file, infoSize);
    put32(file, static_cast<std::uint32_t>(width));
    put32(file, static_cast<std::uint32_t>(height));
    put16(file, 1);
    put16(file, bitCount);
    put32(file, compression);
    put32(file, static_cast<std::uint32_t>(pixels.size()));
    put32(file, 0);
    put32(file, 0);
    put32(file, colorsUsed);
    put32(file, 0);
    // Later header versions append fields; zeros are a valid filling for this reader.
    if (infoSize > classicInfoSize && infoSize < 4096) {
        file.append(infoSize - classicInfoSize, '\0');
    }
    for (std::uint32_t entry : palette) {
        put32(file, entry & 0xFFFFFF);
    }
    return file + pixels;
}

std::string BmpFileBuilder::trueColorRow(std::initializer_list<std::uint32_t> colors) {
    std::string row;
    for (std::uint32_t color : colors) {
        row += static_cast<char>(color & 0xFF);
        row += static_cast<char>(color >> 8 & 0xFF);
        row += static_cast<char>(color >> 16 & 0xFF);
    }
    return row;
}
