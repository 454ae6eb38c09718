// Reads a list-view control the way a user sees it: row count, cell texts, check marks,
// selection, and the points to click on a row's label or check box.
#pragma once

#include <string>
#include <windows.h>

class ListViewProbe {
public:
    static constexpr int checkedImage = 2;
    static constexpr int uncheckedImage = 1;

    explicit ListViewProbe(HWND control) : control(control) {}

    int rowCount() const;
    std::string text(int row, int column) const;
    // The state image of the row's check box: checkedImage or uncheckedImage.
    int stateImage(int row) const;
    bool selected(int row) const;
    int columnWidth(int column) const;
    // The middle of the row's label.
    POINT labelOf(int row) const;
    // A point on the row's check box, found by hit-testing along the row; x is -1 without one.
    POINT checkBoxOf(int row) const;
    // How many dark pixels the row's check box shows on the screen: a drawn mark adds its strokes.
    int darkPixelsOfCheckBox(int row) const;

private:
    HWND control;
};
