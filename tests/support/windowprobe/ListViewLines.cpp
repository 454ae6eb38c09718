// List-view messages sent with their structures in the control's own process.
#include "ListViewLines.h"

#include "ProbeLine.h"
#include "RemoteMemory.h"

#include <commctrl.h>

namespace {

// The structure goes first in the remote block, the text it points to after it.
constexpr std::size_t textOffset = 512;
constexpr int textCapacity = static_cast<int>((RemoteMemory::blockSize - textOffset) / 2);
constexpr unsigned int stateImageShift = 12;
constexpr int checkedImage = 2;
// Into the check box, past its left edge.
constexpr int checkBoxInset = 3;
// Far enough to pass any row picture and reach the check box.
constexpr int checkBoxSearchWidth = 64;

} // namespace

void ListViewLines::print() const {
    const int columns = columnCount();
    for (int column = 0; column < columns; ++column) {
        printColumn(column);
    }
    const int checkBoxOffset = findCheckBoxOffset();
    const auto rows = static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        printRow(row, columns, checkBoxOffset);
    }
}

int ListViewLines::columnCount() const {
    const auto header = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETHEADER, 0, 0));
    if (header == nullptr) {
        return 1;
    }
    return static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

void ListViewLines::printColumn(int column) const {
    LVCOLUMNW entry = {};
    entry.mask = LVCF_TEXT;
    entry.pszText = reinterpret_cast<LPWSTR>(memory.at(textOffset));
    entry.cchTextMax = textCapacity;
    std::wstring title;
    wchar_t buffer[textCapacity] = {};
    if (memory.write(0, &entry, sizeof entry) &&
        SendMessageW(control, LVM_GETCOLUMNW, column, memory.at(0)) &&
        memory.read(textOffset, buffer, sizeof buffer - sizeof(wchar_t))) {
        title = buffer;
    }
    ProbeLine("column")
        .handle(control)
        .number(column)
        .number(SendMessageW(control, LVM_GETCOLUMNWIDTH, column, 0))
        .text(title)
        .print();
}

void ListViewLines::printRow(int row, int columnCount, int checkBoxOffset) const {
    const RECT label = screenRectangle(row, LVIR_LABEL);
    const RECT bounds = screenRectangle(row, LVIR_BOUNDS);
    const bool hasCheckBox = checkBoxOffset >= 0;
    ProbeLine line("row");
    line.handle(control)
        .number(row)
        .number(checkState(row))
        .flag(isSelected(row))
        .rectangle(label)
        .number(hasCheckBox ? bounds.left + checkBoxOffset : -1)
        .number(hasCheckBox ? (bounds.top + bounds.bottom) / 2 : -1);
    for (int column = 0; column < columnCount; ++column) {
        line.text(cellText(row, column));
    }
    line.print();
}

std::wstring ListViewLines::cellText(int row, int column) const {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(memory.at(textOffset));
    item.cchTextMax = textCapacity;
    if (!memory.write(0, &item, sizeof item)) {
        return {};
    }
    const auto length = SendMessageW(control, LVM_GETITEMTEXTW, row, memory.at(0));
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    if (!memory.read(textOffset, text.data(), text.size() * sizeof(wchar_t))) {
        return {};
    }
    return text;
}

int ListViewLines::checkState(int row) const {
    const auto state = SendMessageW(control, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    const auto image = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> stateImageShift);
    if (image == 0) {
        return -1;
    }
    return image == checkedImage ? 1 : 0;
}

bool ListViewLines::isSelected(int row) const {
    return (SendMessageW(control, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

RECT ListViewLines::screenRectangle(int row, int part) const {
    RECT bounds = {};
    bounds.left = part;
    if (!memory.write(0, &bounds, sizeof bounds) ||
        !SendMessageW(control, LVM_GETITEMRECT, row, memory.at(0)) ||
        !memory.read(0, &bounds, sizeof bounds)) {
        return RECT{};
    }
    MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

int ListViewLines::findCheckBoxOffset() const {
    const auto styles = SendMessageW(control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    if ((styles & LVS_EX_CHECKBOXES) == 0 || SendMessageW(control, LVM_GETITEMCOUNT, 0, 0) == 0) {
        return -1;
    }
    RECT bounds = {};
    bounds.left = LVIR_BOUNDS;
    if (!memory.write(0, &bounds, sizeof bounds) ||
        !SendMessageW(control, LVM_GETITEMRECT, 0, memory.at(0)) ||
        !memory.read(0, &bounds, sizeof bounds)) {
        return -1;
    }
    const int middle = (bounds.top + bounds.bottom) / 2;
    for (int x = bounds.left; x < bounds.left + checkBoxSearchWidth; ++x) {
        LVHITTESTINFO hit = {};
        hit.pt = POINT{x, middle};
        if (!memory.write(0, &hit, sizeof hit)) {
            return -1;
        }
        SendMessageW(control, LVM_SUBITEMHITTEST, 0, memory.at(0));
        memory.read(0, &hit, sizeof hit);
        if ((hit.flags & LVHT_ONITEMSTATEICON) != 0) {
            return x - bounds.left + checkBoxInset;
        }
    }
    return -1;
}
