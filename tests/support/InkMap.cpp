// Run-length text of a pixel region.
#include "InkMap.h"

#include <utility>

namespace {

char letterOf(std::uint32_t rgb) {
    constexpr std::pair<std::uint32_t, char> legend[] = {
        {Ink::white, '.'}, {Ink::black, '#'},  {Ink::red, 'R'},  {Ink::green, 'G'},
        {Ink::blue, 'B'},  {Ink::yellow, 'Y'}, {Ink::olive, 'O'}};
    for (const auto& [color, letter] : legend) {
        if (color == rgb) {
            return letter;
        }
    }
    return '?';
}

std::string counted(int count, const std::string& what) {
    return count > 1 ? std::to_string(count) + what : what;
}

std::string rowText(const PixelSource& pixel, int left, int y, int width) {
    std::string text;
    for (int x = 0; x < width;) {
        const char letter = letterOf(pixel(left + x, y));
        int run = 1;
        while (x + run < width && letterOf(pixel(left + x + run, y)) == letter) {
            ++run;
        }
        text += counted(run, std::string(1, letter));
        x += run;
    }
    return text;
}

} // namespace

std::vector<std::string> inkMap(const PixelSource& pixel, int left, int top, int width,
                                int height) {
    std::vector<std::string> lines;
    for (int y = 0; y < height;) {
        const std::string row = rowText(pixel, left, top + y, width);
        int run = 1;
        while (y + run < height && rowText(pixel, left, top + y + run, width) == row) {
            ++run;
        }
        lines.push_back(run > 1 ? std::to_string(run) + "x " + row : row);
        y += run;
    }
    return lines;
}
