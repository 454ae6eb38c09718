// List-view messages behind the probe.
#include "ListViewProbe.h"

#include <commctrl.h>

namespace {

constexpr int textLength = 256;
constexpr int stateShift = 12;
// Into the check box, past its left edge.
constexpr int checkBoxInset = 2;
// The check box is 13 pixels wide; its mark lies within this many pixels right of the inset point.
constexpr int checkBoxSpan = 10;
constexpr int darkColourSum = 3 * 100;

} // namespace

int ListViewProbe::rowCount() const {
    return static_cast<int>(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewProbe::text(int row, int column) const {
    char text[textLength] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = textLength;
    SendMessageA(control, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int ListViewProbe::stateImage(int row) const {
    const auto state = SendMessageA(control, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> stateShift);
}

bool ListViewProbe::selected(int row) const {
    return (SendMessageA(control, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

int ListViewProbe::columnWidth(int column) const {
    return static_cast<int>(SendMessageA(control, LVM_GETCOLUMNWIDTH, column, 0));
}

POINT ListViewProbe::labelOf(int row) const {
    RECT label = {};
    label.left = LVIR_LABEL;
    SendMessageA(control, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&label));
    return POINT{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
}

POINT ListViewProbe::checkBoxOf(int row) const {
    RECT bounds = {};
    bounds.left = LVIR_BOUNDS;
    SendMessageA(control, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
    const int middle = (bounds.top + bounds.bottom) / 2;
    for (int x = bounds.left; x < bounds.right; ++x) {
        LVHITTESTINFO hit = {};
        hit.pt = POINT{x, middle};
        SendMessageA(control, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if ((hit.flags & LVHT_ONITEMSTATEICON) != 0) {
            return POINT{x + checkBoxInset, middle};
        }
    }
    return POINT{-1, -1};
}

int ListViewProbe::darkPixelsOfCheckBox(int row) const {
    const POINT at = checkBoxOf(row);
    HDC screen = GetDC(control);
    int dark = 0;
    for (int y = at.y - checkBoxSpan / 2; y <= at.y + checkBoxSpan / 2; ++y) {
        for (int x = at.x; x <= at.x + checkBoxSpan; ++x) {
            const COLORREF colour = GetPixel(screen, x, y);
            if (colour != CLR_INVALID &&
                GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < darkColourSum) {
                ++dark;
            }
        }
    }
    ReleaseDC(control, screen);
    return dark;
}
