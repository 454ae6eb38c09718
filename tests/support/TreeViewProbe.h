// Reads a tree-view control the way a user sees it: items by relation, their labels and
// expansion, and the point to click on an item.
#pragma once

#include <string>
#include <windows.h>

#include <commctrl.h>

class TreeViewProbe {
public:
    explicit TreeViewProbe(HWND control) : control(control) {}

    int itemCount() const;
    // The item in relation (TVGN_ROOT, TVGN_CHILD, TVGN_NEXT, TVGN_CARET...) to from.
    HTREEITEM item(UINT relation, HTREEITEM from = nullptr) const;
    std::string labelOf(HTREEITEM item) const;
    bool expanded(HTREEITEM item) const;
    // The middle of the item's label.
    POINT pointOf(HTREEITEM item) const;

private:
    HWND control;
};
