// Records what a printable draws: its page is played into an enhanced metafile, whose records
// give every string with its baseline point and the font it was drawn in.
#pragma once

#include <functional>
#include <string>
#include <vector>

class JovGraphics;

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
    void record(const std::function<void(JovGraphics&)>& draw);

    const std::vector<DrawnText>& texts() const { return drawn; }
    // The first text equal to text, or null.
    const DrawnText* find(const std::string& text) const;

private:
    std::vector<DrawnText> drawn;
};
