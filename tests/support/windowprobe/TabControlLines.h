// Prints a tab control of another process: one "tab" line per tab (index, selected, the tab's
// rectangle on the screen, its text).
#pragma once

#include <windows.h>

class RemoteMemory;

class TabControlLines {
public:
    TabControlLines(HWND control, const RemoteMemory& memory) : control(control), memory(memory) {}

    void print() const;

private:
    void printTab(int index, int selected) const;

    HWND control;
    const RemoteMemory& memory;
};
