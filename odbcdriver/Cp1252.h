// Converts between the program's Windows-1252 texts and the UTF-8 the database file holds.
#pragma once

#include <string>
#include <string_view>

class Cp1252 {
public:
    // Every byte has a code point (the five unassigned ones keep their C1 control value, as
    // Windows maps them), so the conversion never loses a byte of the program's text.
    static std::string toUtf8(std::string_view cp1252);

    // Characters without a Windows-1252 byte become '?'; bytes that are not valid UTF-8 are
    // taken as Windows-1252 already, so a file written by another tool still reads back.
    static std::string fromUtf8(std::string_view utf8);

private:
    static char32_t codePointOf(unsigned char byte);
    static int byteOf(char32_t codePoint);
    static void appendUtf8(std::string& target, char32_t codePoint);
    static std::size_t decodeUtf8(std::string_view utf8, std::size_t position, char32_t& codePoint);
};
