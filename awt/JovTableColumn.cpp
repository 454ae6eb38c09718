// Column settings, kept within their minimum.

#include "awt/JovTableColumn.h"

#include "io/JovPrintWriter.h"

#include <algorithm>

JovTableColumn::JovTableColumn(const JovString& title, int width)
    : title(title), width(std::max(width, DEFAULT_MIN_WIDTH)), minWidth(DEFAULT_MIN_WIDTH),
      alignment(LEFT) {
}

void JovTableColumn::setWidth(int newWidth) {
    width = std::max(newWidth, minWidth);
}

void JovTableColumn::setMinWidth(int newMinWidth) {
    minWidth = std::max(newMinWidth, 0);
    width = std::max(width, minWidth);
}

void JovTableColumn::setAlignment(int newAlignment) {
    if (newAlignment != LEFT && newAlignment != RIGHT && newAlignment != CENTER) {
        JovPrintWriter::standardError().println("JovTableColumn: unknown alignment " +
                                                JovString::valueOf(newAlignment));
        return;
    }
    alignment = newAlignment;
}

JovString JovTableColumn::toString() const {
    return "ool.awt.JovTableColumn[,text=" + title + "]";
}
