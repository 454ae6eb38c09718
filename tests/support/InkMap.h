// A region of pixels as text, so a drawing or decoding test compares one value per case: one line
// per run of equal rows ("<rows>x " before it when more than one), each line the runs of equal
// pixels ("<count>" before the letter when more than one). Letters: '.' white, '#' black, 'R' red,
// 'G' green, 'B' blue, 'Y' yellow, 'O' olive, '?' any other colour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The colours an ink map names, as 0xRRGGBB.
namespace Ink {
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t black = 0x000000;
constexpr std::uint32_t red = 0xFF0000;
constexpr std::uint32_t green = 0x00FF00;
constexpr std::uint32_t blue = 0x0000FF;
constexpr std::uint32_t yellow = 0xFFFF00;
constexpr std::uint32_t olive = 0x808000;
} // namespace Ink

// 0xRRGGBB of the pixel at (x, y).
using PixelSource = std::function<std::uint32_t(int x, int y)>;

std::vector<std::string> inkMap(const PixelSource& pixel, int left, int top, int width, int height);
