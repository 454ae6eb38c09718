// What a print job renders: anything that can draw a numbered page on a graphics.
#pragma once

class JovGraphics;

class JovPrintable {
public:
    static constexpr int PAGE_EXISTS = 0;
    static constexpr int NO_SUCH_PAGE = 1;

    virtual ~JovPrintable() = default;

    // Draws page pageIndex; PAGE_EXISTS, or NO_SUCH_PAGE after drawing nothing.
    virtual int print(JovGraphics& graphics, int pageIndex) = 0;
};
