// A region of pixels as text, so a drawing or decoding test compares one value per case: one line
// per run of equal rows ("<rows>x " before it when more than one), each line the runs of equal
// pixels ("<count>" before the letter when more than one). Letters: '.' white, '#' black, 'R' red,
// 'G' green, 'B' blue, 'Y' yellow, 'O' olive, '?' any other colour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// 0xRRGGBB of the pixel at (x, y).
using PixelSource = std::function<std::uint32_t(int x, int y)>;

std::vector<std::string> inkMap(const PixelSource& pixel, int left, int top, int width, int height);
