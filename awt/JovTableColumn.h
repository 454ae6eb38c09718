// One column of a table: its title, its width and the smallest width the user may drag it to, and
// how its cells are aligned.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovTableColumn : public JovObject {
public:
    static constexpr int LEFT = 0;
    static constexpr int RIGHT = 1;
    static constexpr int CENTER = 2;
    static constexpr int DEFAULT_WIDTH = 75;
    static constexpr int DEFAULT_MIN_WIDTH = 15;

    explicit JovTableColumn(const JovString& title, int width = DEFAULT_WIDTH);

    const JovString& getTitle() const { return title; }
    void setTitle(const JovString& text) { title = text; }
    int getWidth() const { return width; }
    // Never below the minimum width.
    void setWidth(int newWidth);
    int getMinWidth() const { return minWidth; }
    // A negative minimum counts as 0; the width grows to a larger minimum.
    void setMinWidth(int newMinWidth);
    int getAlignment() const { return alignment; }
    // An unknown alignment writes an error line and keeps the old one.
    void setAlignment(int newAlignment);

    JovString toString() const override;

private:
    JovString title;
    int width;
    int minWidth;
    int alignment;
};
