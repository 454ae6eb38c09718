// Builds BMP file bytes field by field, so that tests can make good files of every supported
// kind and damage any single header value.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

struct BmpFileBuilder {
    static constexpr std::uint32_t fileHeaderSize = 14;
    static constexpr std::uint32_t classicInfoSize = 40;

    BmpFileBuilder(std::int32_t width, std::int32_t height, std::uint16_t bitCount)
        : width(width), height(height), bitCount(bitCount) {}

    // The whole file; rows are padded to 4 bytes here.
    std::string build() const;
    // Where the pixels start when no offset is forced.
    std::uint32_t naturalPixelOffset() const;

    // One 24-bit row (blue, green, red per pixel) from 0xRRGGBB colours, unpadded.
    static std::string trueColorRow(std::initializer_list<std::uint32_t> colors);

    std::string magic = "BM";
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitCount;
    std::uint32_t infoSize = classicInfoSize;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    // 0xRRGGBB entries, written as blue, green, red, 0.
    std::vector<std::uint32_t> palette;
    // In file order (the bottom row first unless the height is negative), unpadded.
    std::vector<std::string> rows;
    std::optional<std::uint32_t> pixelOffset;
};
