// The label of a composed menu as a PNG picture at 300 dpi, drawn as the label view prints it:
// the wizard's first menu type, tomorrow's use-by date, no background picture.
#pragma once

#include "lang/JovString.h"

class MealComposer;

class LabelPicture {
public:
    static constexpr int PIXELS_PER_INCH = 300;

    LabelPicture() = delete;

    // False when the file cannot be written.
    static bool write(const MealComposer& composer, const JovString& path);
};
