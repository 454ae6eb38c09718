// Tab-control messages sent with their structures in the control's own process.
#include "TabControlLines.h"

#include "ProbeLine.h"
#include "RemoteMemory.h"

#include <commctrl.h>

namespace {

constexpr std::size_t textOffset = 512;
constexpr int textCapacity = static_cast<int>((RemoteMemory::blockSize - textOffset) / 2);

} // namespace

void TabControlLines::print() const {
    const auto count = static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
    const auto selected = static_cast<int>(SendMessageW(control, TCM_GETCURSEL, 0, 0));
    for (int index = 0; index < count; ++index) {
        printTab(index, selected);
    }
}

void TabControlLines::printTab(int index, int selected) const {
    TCITEMW entry = {};
    entry.mask = TCIF_TEXT;
    entry.pszText = reinterpret_cast<LPWSTR>(memory.at(textOffset));
    entry.cchTextMax = textCapacity;
    wchar_t text[textCapacity] = {};
    RECT bounds = {};
    if (!memory.write(0, &entry, sizeof entry) ||
        !SendMessageW(control, TCM_GETITEMW, index, memory.at(0)) ||
        !memory.read(textOffset, text, sizeof text - sizeof(wchar_t)) ||
        !SendMessageW(control, TCM_GETITEMRECT, index, memory.at(0)) ||
        !memory.read(0, &bounds, sizeof bounds)) {
        return;
    }
    MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&bounds), 2);
    ProbeLine("tab")
        .handle(control)
        .number(index)
        .flag(index == selected)
        .rectangle(bounds)
        .text(text)
        .print();
}
