// Prints a tree view of another process: one "item" line per item, depth first (depth, selected,
// expanded, the label's rectangle on the screen or zeros when it is not shown, the label).
#pragma once

#include <string>
#include <windows.h>

#include <commctrl.h>

class RemoteMemory;

class TreeViewLines {
public:
    TreeViewLines(HWND control, const RemoteMemory& memory) : control(control), memory(memory) {}

    void print() const;

private:
    void printItems(HTREEITEM first, int depth) const;
    void printItem(HTREEITEM item, int depth) const;
    HTREEITEM next(HTREEITEM item, UINT relation) const;
    RECT screenRectangle(HTREEITEM item) const;

    HWND control;
    const RemoteMemory& memory;
};
