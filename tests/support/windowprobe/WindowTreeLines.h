// Prints a window of another process and all windows inside it: one "window" line each (depth,
// handle, class, rectangle on the screen, visible, enabled, text), followed by the contents of
// visible list views, tree views, tab controls and combo boxes.
#pragma once

#include <string>
#include <windows.h>

class WindowTreeLines {
public:
    // childrenToo false prints the window's own line only.
    WindowTreeLines(HWND top, bool childrenToo) : top(top), childrenToo(childrenToo) {}

    void print() const;

private:
    void printWindow(HWND window, int depth) const;
    void printContents(HWND window, const std::wstring& className) const;
    void printComboEntries(HWND combo) const;

    HWND top;
    bool childrenToo;
};
