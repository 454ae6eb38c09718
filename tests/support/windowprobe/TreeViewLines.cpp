// Tree-view messages sent with their structures in the control's own process.
#include "TreeViewLines.h"

#include "ProbeLine.h"
#include "RemoteMemory.h"

namespace {

constexpr std::size_t textOffset = 512;
constexpr int textCapacity = static_cast<int>((RemoteMemory::blockSize - textOffset) / 2);

} // namespace

void TreeViewLines::print() const {
    printItems(next(nullptr, TVGN_ROOT), 0);
}

void TreeViewLines::printItems(HTREEITEM first, int depth) const {
    for (HTREEITEM item = first; item != nullptr; item = next(item, TVGN_NEXT)) {
        printItem(item, depth);
        printItems(next(item, TVGN_CHILD), depth + 1);
    }
}

void TreeViewLines::printItem(HTREEITEM item, int depth) const {
    TVITEMW entry = {};
    entry.mask = TVIF_TEXT | TVIF_STATE | TVIF_HANDLE;
    entry.hItem = item;
    entry.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    entry.pszText = reinterpret_cast<LPWSTR>(memory.at(textOffset));
    entry.cchTextMax = textCapacity;
    wchar_t text[textCapacity] = {};
    if (!memory.write(0, &entry, sizeof entry) ||
        !SendMessageW(control, TVM_GETITEMW, 0, memory.at(0)) ||
        !memory.read(0, &entry, sizeof entry) ||
        !memory.read(textOffset, text, sizeof text - sizeof(wchar_t))) {
        return;
    }
    ProbeLine("item")
        .handle(control)
        .number(depth)
        .flag((entry.state & TVIS_SELECTED) != 0)
        .flag((entry.state & TVIS_EXPANDED) != 0)
        .rectangle(screenRectangle(item))
        .text(text)
        .print();
}

HTREEITEM TreeViewLines::next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(control, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

RECT TreeViewLines::screenRectangle(HTREEITEM item) const {
    // The message takes the item in the rectangle's place and answers with the label's bounds.
    RECT bounds = {};
    *reinterpret_cast<HTREEITEM*>(&bounds) = item;
    if (!memory.write(0, &bounds, sizeof bounds) ||
        !SendMessageW(control, TVM_GETITEMRECT, TRUE, memory.at(0)) ||
        !memory.read(0, &bounds, sizeof bounds)) {
        return RECT{};
    }
    MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}
