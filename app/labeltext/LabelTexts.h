// The composed label texts of one menu, written for people or as one JSON object per line.
#pragma once

#include "lang/JovString.h"

#include <string>

class MealComposer;

class LabelTexts {
public:
    // Takes the texts of the composer's last composition.
    LabelTexts(int menuId, const MealComposer& composer);

    // German lines as the label reads, UTF-8, each ending in a line feed: the underscores that
    // bind percentages to their words show as blanks, as on the label, and control characters
    // in the texts as escapes (\n, \r, \t, \x1B), so that a name cannot make lines of its own.
    std::string readableLines() const;
    // One JSON object with the texts exactly as composed, UTF-8, ending in a line feed.
    std::string jsonLine() const;

private:
    int menuId;
    JovString menuName;
    JovString titleWithQuid;
    JovString menuDesignation;
    JovString ingredientList;
    JovString fillQuantity;
    JovString meatText;
    JovString sweetenerNote;
};
