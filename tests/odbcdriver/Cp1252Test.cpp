// The code page conversion between the program's Windows-1252 and the database's UTF-8.
#include "odbcdriver/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

TEST(Cp1252Test, AsciiPassesUnchanged) {
    const std::string text = "SELECT * FROM Zutaten WHERE ID = 17;";
    EXPECT_EQ(Cp1252::toUtf8(text), text);
    EXPECT_EQ(Cp1252::fromUtf8(text), text);
}

TEST(Cp1252Test, GermanLettersBecomeTwoByteSequences) {
    // ä ö ü Ä Ö Ü ß are U+00E4 ... U+00DF: the same numbers as their Windows-1252 bytes.
    EXPECT_EQ(Cp1252::toUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"),
              "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F");
    EXPECT_EQ(Cp1252::fromUtf8("Gem\xC3\xBCse"), "Gem\xFCse");
}

TEST(Cp1252Test, BytesFrom0x80To0x9FAreTheirWindowsCharacters) {
    EXPECT_EQ(Cp1252::toUtf8("\x80"), "\xE2\x82\xAC");   // euro sign U+20AC
    EXPECT_EQ(Cp1252::toUtf8("\x84"), "\xE2\x80\x9E");   // low double quote U+201E
    EXPECT_EQ(Cp1252::toUtf8("\x96"), "\xE2\x80\x93");   // en dash U+2013
    EXPECT_EQ(Cp1252::toUtf8("\x9F"), "\xC5\xB8");       // Y with diaeresis U+0178
    EXPECT_EQ(Cp1252::fromUtf8("\xE2\x84\xA2"), "\x99"); // trade mark U+2122
}

TEST(Cp1252Test, UnassignedBytesKeepTheirControlCodePoint) {
    EXPECT_EQ(Cp1252::toUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Cp1252Test, EveryByteSurvivesTheRoundTrip) {
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(byte)), byte) << "byte " << value;
    }
}

TEST(Cp1252Test, EmbeddedZeroBytesAreKept) {
    const std::string text = "a\0\xE4"s;
    EXPECT_EQ(Cp1252::toUtf8(text), "a\0\xC3\xA4"s);
    EXPECT_EQ(Cp1252::fromUtf8("a\0\xC3\xA4"s), text);
}

TEST(Cp1252Test, CharactersWithoutAWindowsByteBecomeQuestionMarks) {
    EXPECT_EQ(Cp1252::fromUtf8("\xE4\xB8\xAD"), "?");         // CJK U+4E2D
    EXPECT_EQ(Cp1252::fromUtf8("x\xF0\x9F\x8D\x95y"), "x?y"); // emoji U+1F355
    EXPECT_EQ(Cp1252::fromUtf8("\xC2\x80"), "?");             // C1 control 0x80
}

TEST(Cp1252Test, BytesThatAreNotUtf8AreTakenAsWindows1252) {
    EXPECT_EQ(Cp1252::fromUtf8("K\xE4se"), "K\xE4se");           // Latin-1 written by another tool
    EXPECT_EQ(Cp1252::fromUtf8("Gr\xC3"), "Gr\xC3");             // sequence cut at the end
    EXPECT_EQ(Cp1252::fromUtf8("\xC0\xAF"), "\xC0\xAF");         // overlong slash
    EXPECT_EQ(Cp1252::fromUtf8("\xED\xA0\x80"), "\xED\xA0\x80"); // surrogate half
    EXPECT_EQ(Cp1252::fromUtf8("\xC3"
                               "A"),
              "\xC3"
              "A"); // lead byte without continuation
}
