// The immutable shared-value text: construction, sharing, the text operations with their
// clipping rules, comparison and formatting.
#include "LiveObjectTest.h"
#include "TextBytes.h"
#include "ValueEquality.h"

#include "lang/JovInteger.h"
#include "lang/JovString.h"

#include <gtest/gtest.h>
#include <string>

class JovStringTest : public LiveObjectTest {};

TEST_F(JovStringTest, ConstructorsCopyTheirCharactersAndKeepZeroBytes) {
    char source[] = "Kartoffel";
    const JovString whole(source);
    const JovString part(source, 2, 4);
    source[0] = 'X';
    EXPECT_STREQ(whole.chars(), "Kartoffel");
    EXPECT_STREQ(part.chars(), "rtof");
    EXPECT_STREQ(JovString('z').chars(), "z");
    EXPECT_STREQ(JovString(JovInteger(42)).chars(), "42");
    EXPECT_EQ(bytesOf(JovString("a\0b", 0, 3)), std::string("a\0b", 3));
    EXPECT_EQ(JovString(static_cast<const char*>(nullptr)).length(), 0);
    EXPECT_EQ(JovString("abc", 1, -5).length(), 0);
}

TEST_F(JovStringTest, CopiesAndSelfAssignmentShareTheValue) {
    JovString text("Pfeffer");
    const JovString copy(text);
    const JovString& alias = text;
    text = alias;
    text = copy;
    EXPECT_STREQ(text.chars(), "Pfeffer");
    EXPECT_EQ(copy.chars(), text.chars());
}

TEST_F(JovStringTest, CharAtSubstringAndIndexOfClipTheirBounds) {
    const JovString text("abcdef");
    EXPECT_EQ(text.charAt(5), 'f');
    for (const int outside : {6, -1}) {
        EXPECT_EQ(text.charAt(outside), '\0') << outside;
    }
    const struct {
        int begin, end;
        const char* part;
    } parts[] = {{1, 3, "bc"}, {3, 1, ""}, {0, 99, "abcdef"}, {-3, 2, "ab"}, {2, -1, ""}};
    for (const auto& [begin, end, part] : parts) {
        EXPECT_STREQ(text.substring(begin, end).chars(), part) << begin << ".." << end;
    }
    EXPECT_STREQ(text.substring(4).chars(), "ef");
    EXPECT_STREQ(text.substring(99).chars(), "");
    const JovString list("a,b,c");
    EXPECT_EQ(list.indexOf(',', 2), 3);
    EXPECT_EQ(list.indexOf(',', 4), -1);
    EXPECT_EQ(list.indexOf('a', 5), -1);
    EXPECT_EQ(list.indexOf('a', -7), 0);
}

TEST_F(JovStringTest, StartsWithEndsWithAndTrimLookAtBytes) {
    const JovString text("Zutaten.pro");
    EXPECT_TRUE(text.startsWith(""));
    EXPECT_FALSE(text.startsWith("zut"));
    EXPECT_TRUE(text.endsWith(".pro"));
    EXPECT_FALSE(text.endsWith("Zutaten.pro.bak"));
    EXPECT_STREQ(JovString(" \t\r\nMehl \x01").trim().chars(), "Mehl");
    EXPECT_STREQ(JovString("  ").trim().chars(), "");
    const JovString umlaut("\xE4pfel\xA0");
    EXPECT_EQ(umlaut.trim().chars(), umlaut.chars()) << "high bytes are not blanks";
}

TEST_F(JovStringTest, ReplaceAndConcatenationLeaveTheOperandsAlone) {
    const JovString path("D:\\data\\meals.mdb");
    EXPECT_STREQ(path.replace('\\', '/').chars(), "D:/data/meals.mdb");
    EXPECT_STREQ(path.chars(), "D:\\data\\meals.mdb");
    const JovString left("Brat");
    const JovString sharing(left);
    EXPECT_STREQ((left + JovString("wurst") + 's').chars(), "Bratwursts");
    EXPECT_STREQ(("Zahl " + JovInteger(7)).chars(), "Zahl 7");
    JovString grown(left);
    grown += JovString("a\0", 0, 2);
    grown += '!';
    EXPECT_EQ(bytesOf(grown), std::string("Brata\0!", 7));
    EXPECT_STREQ(left.chars(), "Brat");
    EXPECT_EQ(sharing.chars(), left.chars());
}

// Short texts are kept in the value itself, longer ones apart: both sides of the border, and
// concatenations and replacements that cross it, keep every byte.
TEST_F(JovStringTest, TextsAroundTheInlineLengthKeepTheirBytes) {
    for (const int length : {0, 1, 22, 23, 24, 25, 200}) {
        const std::string bytes(static_cast<std::size_t>(length), 'k');
        const JovString text(bytes.c_str(), 0, length);
        EXPECT_EQ(bytesOf(text), bytes) << length;
        EXPECT_EQ(text.chars()[length], '\0') << length;
        EXPECT_EQ(bytesOf(text + JovString("x")), bytes + "x") << length;
        EXPECT_EQ(bytesOf(text.replace('k', 'q')), std::string(bytes.size(), 'q')) << length;
    }
}

TEST_F(JovStringTest, EqualsAndCompareToLookAtEveryUnsignedByteOfTheOtherObjectsText) {
    const JovInteger number(5);
    EXPECT_TRUE(JovString("5").equals(&number));
    EXPECT_FALSE(JovString("5.0").equals(&number));
    EXPECT_FALSE(JovString("a\0b", 0, 3) == JovString("a"));
    EXPECT_TRUE(JovString("5") == number);
    EXPECT_TRUE(JovString("5") == "5");
    EXPECT_TRUE(JovString("5") != JovString("6"));
    const JovString other("6");
    expectEqualsOnlyItsClone(JovString("5"), {&other});
    const struct {
        const char* left;
        const char* right;
        int order;
    } cases[] = {{"a", "z", -1},  {"b", "a", 1},           {"ab", "abc", -1},
                 {"12", "12", 0}, {"Zucker", "apfel", -1}, {"\xC4pfel", "zwiebel", 1}};
    for (const auto& [left, right, order] : cases) {
        EXPECT_EQ(JovString(left).compareTo(JovString(right)), order) << left << " " << right;
    }
    EXPECT_EQ(JovString("12").compareTo(JovInteger(12)), 0);
}

TEST_F(JovStringTest, FormatAssignsTheResultCutAtTheWorkArea) {
    JovString text("old");
    text.format("%s-%03d", "ID", 7);
    EXPECT_STREQ(text.chars(), "ID-007");
    constexpr int workAreaSize = 1024;
    const std::string longText(3 * workAreaSize, 'x');
    text.format("%s", longText.c_str());
    EXPECT_EQ(bytesOf(text), longText.substr(0, workAreaSize - 1));
}
