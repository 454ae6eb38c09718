// The code page conversion between the program's Windows-1252 and the database's UTF-8.
#include "odbcdriver/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(Cp1252Test, WindowsBytesBecomeTheirUnicodeCharactersAndBack) {
    const struct {
        std::string windows;
        std::string utf8;
    } cases[] = {
        {"SELECT * FROM Zutaten WHERE ID = 17;", "SELECT * FROM Zutaten WHERE ID = 17;"},
        // ä ö ü Ä Ö Ü ß are U+00E4 ... U+00DF: the same numbers as their Windows-1252 bytes.
        {"\xE4\xF6\xFC\xC4\xD6\xDC\xDF",
         "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F"},
        // 0x80 to 0x9F are the euro sign, typographic quotes, dashes and a few letters.
        {"\x80\x84\x96\x99\x9F", "\xE2\x82\xAC\xE2\x80\x9E\xE2\x80\x93\xE2\x84\xA2\xC5\xB8"},
        {"a\0\xE4"s, "a\0\xC3\xA4"s},
    };
    for (const auto& [windows, utf8] : cases) {
        SCOPED_TRACE(windows);
        EXPECT_EQ(Cp1252::toUtf8(windows), utf8);
        EXPECT_EQ(Cp1252::fromUtf8(utf8), windows);
    }
    // Unassigned bytes keep their control code point.
    EXPECT_EQ(Cp1252::toUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(byte)), byte) << "byte " << value;
    }
}

TEST(Cp1252Test, CharactersWithoutAWindowsByteBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252::fromUtf8("\xE4\xB8\xAD"), "?");         // CJK U+4E2D
    EXPECT_EQ(Cp1252::fromUtf8("x\xF0\x9F\x8D\x95y"), "x?y"); // emoji U+1F355
    EXPECT_EQ(Cp1252::fromUtf8("\xC2\x80"), "?");             // C1 control 0x80
}

TEST(Cp1252Test, BytesThatAreNotUtf8AreTakenAsWindows1252) {
    for (const std::string& text : {"K\xE4se"s,       // Latin-1 written by another tool
                                    "Gr\xC3"s,        // sequence cut at the end
                                    "\xC0\xAF"s,      // overlong slash
                                    "\xED\xA0\x80"s,  // surrogate half
                                    "\xC3"s + "A"}) { // lead byte without continuation
        EXPECT_EQ(Cp1252::fromUtf8(text), text);
    }
}
