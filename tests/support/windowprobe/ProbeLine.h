// One line of the probe's output: a record kind and its fields, separated by tabs, in UTF-8.
// Texts have backslash, tab, carriage return and line feed escaped (\\, \t, \r, \n), so a line
// never breaks inside a field.
#pragma once

#include <string>
#include <windows.h>

class ProbeLine {
public:
    explicit ProbeLine(const char* kind) : line(kind) {}

    ProbeLine& number(long long value);
    ProbeLine& handle(HWND window);
    ProbeLine& flag(bool value) { return number(value ? 1 : 0); }
    // Four fields: left, top, right, bottom.
    ProbeLine& rectangle(const RECT& bounds);
    ProbeLine& text(const std::wstring& value);
    // Writes the line to standard output.
    void print() const;

private:
    std::string line;
};
