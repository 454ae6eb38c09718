// Records what a printable draws: its page is played into an enhanced metafile, whose text
// records give every string with its baseline point and the font it was drawn in.
#pragma once

#include <functional>
#include <string>
#include <vector>

class JovGraphics;
class JovPrintable;

// A text as drawn, without the blank a wrapped line ends in.
struct DrawnText {
    std::string text;
    int x;
    int y;
    std::string face;
    int weight;
    int height;
};

class LabelRecorder {
public:
    // Draws page pageIndex of printable; answers what the print call answered.
    int record(JovPrintable& printable, int pageIndex);
    // Records whatever draw draws.
    void record(const std::function<void(JovGraphics&)>& draw);

    const std::vector<DrawnText>& texts() const { return drawn; }
    // The drawn texts that are not blank.
    std::vector<DrawnText> visibleTexts() const;
    // The first text equal to text, or null.
    const DrawnText* find(const std::string& text) const;
    // The texts drawn at x in the order drawn.
    std::vector<DrawnText> column(int x) const;
    int imageCount() const { return images; }

private:
    std::vector<DrawnText> drawn;
    int images = 0;
};
