// Prints a list view of another process: one "column" line per column (index, width, title) and
// one "row" line per row (index, check state, selection, label rectangle and check-box point on
// the screen, then the texts of all columns).
#pragma once

#include <string>
#include <windows.h>

class RemoteMemory;

class ListViewLines {
public:
    ListViewLines(HWND control, const RemoteMemory& memory) : control(control), memory(memory) {}

    void print() const;

private:
    int columnCount() const;
    void printColumn(int column) const;
    void printRow(int row, int columnCount, int checkBoxOffset) const;
    std::wstring cellText(int row, int column) const;
    // -1 without a check box, else 0 or 1.
    int checkState(int row) const;
    bool isSelected(int row) const;
    RECT screenRectangle(int row, int part) const;
    // How far right of a row's left edge its check box lies, found by hit-testing the first row;
    // -1 when the rows have none.
    int findCheckBoxOffset() const;

    HWND control;
    const RemoteMemory& memory;
};
