// The immutable shared-value text: construction, sharing, the text operations with their
// clipping rules, comparison and the number texts.
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "lang/JovPlatform.h"
#include "lang/JovString.h"

#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string bytes(const JovString& text) {
    return std::string(text.chars(), text.length());
}

} // namespace

class JovStringTest : public LiveObjectTest {};

TEST_F(JovStringTest, ConstructorsCopyTheirCharacters) {
    char source[] = "Kartoffel";
    const JovString whole(source);
    const JovString part(source, 2, 4);
    source[0] = 'X';
    EXPECT_STREQ(whole.chars(), "Kartoffel");
    EXPECT_STREQ(part.chars(), "rtof");
    EXPECT_STREQ(JovString('z').chars(), "z");
    EXPECT_EQ(JovString().length(), 0);
    EXPECT_STREQ(JovString().chars(), "");
}

TEST_F(JovStringTest, NullTextAndNegativeCountGiveTheEmptyText) {
    EXPECT_EQ(JovString(static_cast<const char*>(nullptr)).length(), 0);
    EXPECT_EQ(JovString("abc", 1, -5).length(), 0);
}

TEST_F(JovStringTest, RangeConstructorKeepsZeroBytes) {
    const char raw[] = {'a', '\0', 'b'};
    const JovString text(raw, 0, 3);
    EXPECT_EQ(text.length(), 3);
    EXPECT_EQ(bytes(text), std::string(raw, 3));
}

TEST_F(JovStringTest, ConstructorFromObjectTakesItsText) {
    const JovInteger number(42);
    EXPECT_STREQ(JovString(number).chars(), "42");
}

TEST_F(JovStringTest, CopyAndAssignmentShareTheValue) {
    const JovString original("Salz");
    const JovString copy(original);
    JovString assigned;
    assigned = original;
    EXPECT_EQ(copy.chars(), original.chars());
    EXPECT_EQ(assigned.chars(), original.chars());
}

TEST_F(JovStringTest, SelfAssignmentKeepsTheValue) {
    JovString text("Pfeffer");
    JovString sharing(text);
    const JovString& alias = text;
    text = alias;
    text = sharing;
    sharing = text;
    EXPECT_STREQ(text.chars(), "Pfeffer");
    EXPECT_EQ(text.chars(), sharing.chars());
}

TEST_F(JovStringTest, CharAtAnswersZeroOutsideTheText) {
    const JovString text("abc");
    EXPECT_EQ(text.charAt(0), 'a');
    EXPECT_EQ(text.charAt(2), 'c');
    EXPECT_EQ(text.charAt(3), '\0');
    EXPECT_EQ(text.charAt(-1), '\0');
    EXPECT_EQ(text.charAt(1000), '\0');
}

TEST_F(JovStringTest, SubstringClipsItsBounds) {
    const JovString text("abcdef");
    EXPECT_STREQ(text.substring(1, 3).chars(), "bc");
    EXPECT_STREQ(text.substring(3, 1).chars(), "");
    EXPECT_STREQ(JovString("abc").substring(0, 99).chars(), "abc");
    EXPECT_STREQ(text.substring(4).chars(), "ef");
    EXPECT_STREQ(text.substring(6).chars(), "");
    EXPECT_STREQ(text.substring(-3, 2).chars(), "ab");
    EXPECT_STREQ(text.substring(2, -1).chars(), "");
    EXPECT_STREQ(text.substring(99).chars(), "");
}

TEST_F(JovStringTest, IndexOfSearchesFromThePosition) {
    const JovString text("a,b,c");
    EXPECT_EQ(text.indexOf(','), 1);
    EXPECT_EQ(text.indexOf(',', 2), 3);
    EXPECT_EQ(text.indexOf(',', 4), -1);
    EXPECT_EQ(text.indexOf('a', 5), -1);
    EXPECT_EQ(text.indexOf('x'), -1);
    EXPECT_EQ(text.indexOf('a', -7), 0);
}

TEST_F(JovStringTest, StartsWithAndEndsWithCompareBytes) {
    const JovString text("Zutaten.pro");
    EXPECT_TRUE(text.startsWith("Zut"));
    EXPECT_TRUE(text.startsWith(""));
    EXPECT_FALSE(text.startsWith("zut"));
    EXPECT_TRUE(text.endsWith(".pro"));
    EXPECT_FALSE(text.endsWith("Zutaten.pro.bak"));
    EXPECT_FALSE(JovString("ab").startsWith("abc"));
}

TEST_F(JovStringTest, TrimRemovesControlAndBlankBytesAtBothEnds) {
    EXPECT_STREQ(JovString(" \t\r\nMehl \x01").trim().chars(), "Mehl");
    EXPECT_STREQ(JovString("  ").trim().chars(), "");
    EXPECT_STREQ(JovString(" a b ").trim().chars(), "a b");
}

TEST_F(JovStringTest, TrimKeepsHighBytes) {
    const JovString umlaut("\xE4pfel\xA0");
    EXPECT_EQ(umlaut.trim().chars(), umlaut.chars());
}

TEST_F(JovStringTest, TrimWithoutBlanksSharesTheValue) {
    const JovString text("abc");
    EXPECT_EQ(text.trim().chars(), text.chars());
}

TEST_F(JovStringTest, ReplaceMakesANewText) {
    const JovString path("D:\\data\\meals.mdb");
    EXPECT_STREQ(path.replace('\\', '/').chars(), "D:/data/meals.mdb");
    EXPECT_STREQ(path.chars(), "D:\\data\\meals.mdb");
}

TEST_F(JovStringTest, ConcatenationLeavesTheOperandsAlone) {
    const JovString left("Brat");
    const JovString right("wurst");
    const JovString sharing(left);
    EXPECT_STREQ((left + right).chars(), "Bratwurst");
    EXPECT_STREQ((left + 's').chars(), "Brats");
    EXPECT_STREQ(("Rinder" + right).chars(), "Rinderwurst");
    EXPECT_STREQ(("Zahl " + JovInteger(7)).chars(), "Zahl 7");
    JovString grown(left);
    grown += right;
    grown += '!';
    EXPECT_STREQ(grown.chars(), "Bratwurst!");
    EXPECT_STREQ(left.chars(), "Brat");
    EXPECT_EQ(sharing.chars(), left.chars());
}

TEST_F(JovStringTest, ConcatenationKeepsZeroBytes) {
    const char raw[] = {'x', '\0'};
    const JovString joined = JovString(raw, 0, 2) + JovString(raw, 0, 2);
    EXPECT_EQ(joined.length(), 4);
    EXPECT_EQ(bytes(joined), std::string("x\0x\0", 4));
}

TEST_F(JovStringTest, GetCharsCopiesTheClippedRange) {
    char target[8];
    std::memset(target, '.', sizeof target);
    JovString("abcdef").getChars(2, 99, target, 1);
    EXPECT_EQ(std::string(target, sizeof target), ".cdef...");
}

TEST_F(JovStringTest, EqualsComparesWithTheOtherObjectsText) {
    const JovString five("5");
    const JovInteger number(5);
    EXPECT_TRUE(five.equals(&number));
    EXPECT_TRUE(five.equals(&five));
    EXPECT_FALSE(five.equals(nullptr));
    EXPECT_FALSE(JovString("5.0").equals(&number));
    EXPECT_TRUE(five == number);
    EXPECT_TRUE(five == JovString("5"));
    EXPECT_FALSE(five == JovString("50"));
    EXPECT_TRUE(five != JovString("6"));
    EXPECT_TRUE(five == "5");
}

TEST_F(JovStringTest, EqualityCountsEveryByte) {
    const char withZero[] = {'a', '\0', 'b'};
    EXPECT_FALSE(JovString(withZero, 0, 3) == JovString("a"));
    EXPECT_TRUE(JovString(withZero, 0, 3) == JovString(withZero, 0, 3));
}

TEST_F(JovStringTest, CompareToAnswersExactlyMinusOneZeroOrOne) {
    EXPECT_EQ(JovString("a").compareTo(JovString("b")), -1);
    EXPECT_EQ(JovString("b").compareTo(JovString("a")), 1);
    EXPECT_EQ(JovString("same").compareTo(JovString("same")), 0);
    EXPECT_EQ(JovString("ab").compareTo(JovString("abc")), -1);
    EXPECT_EQ(JovString("a").compareTo(JovString("z")), -1);
    EXPECT_EQ(JovString("12").compareTo(JovInteger(12)), 0);
}

TEST_F(JovStringTest, CompareToOrdersUnsignedBytes) {
    // Upper case before lower case, umlauts (high bytes) after "z".
    EXPECT_EQ(JovString("Zucker").compareTo(JovString("apfel")), -1);
    EXPECT_EQ(JovString("\xC4pfel").compareTo(JovString("zwiebel")), 1);
}

TEST_F(JovStringTest, CloneAndToStringCopyTheCharacters) {
    const JovString text("Essig");
    JovObject* copy = text.clone();
    EXPECT_TRUE(text.equals(copy));
    EXPECT_NE(static_cast<JovString*>(copy)->chars(), text.chars());
    delete copy;
    EXPECT_NE(text.toString().chars(), text.chars());
    EXPECT_STREQ(text.toString().chars(), "Essig");
}

TEST_F(JovStringTest, ValueOfWritesDecimals) {
    EXPECT_STREQ(JovString::valueOf(-42).chars(), "-42");
    EXPECT_STREQ(JovString::valueOf(123456L).chars(), "123456");
}

TEST_F(JovStringTest, FormatAssignsTheResult) {
    JovString text("old");
    text.format("%s-%03d", "ID", 7);
    EXPECT_STREQ(text.chars(), "ID-007");
}

TEST_F(JovStringTest, FormatCutsAtTheWorkArea) {
    constexpr int workAreaSize = 1024;
    const std::string longText(3 * workAreaSize, 'x');
    JovString text;
    text.format("%s", longText.c_str());
    EXPECT_EQ(text.length(), workAreaSize - 1);
    EXPECT_EQ(bytes(text), longText.substr(0, workAreaSize - 1));
}

TEST_F(JovStringTest, ValueTextNamesItsClass) {
    JovString::StringValue value("x", 1);
    EXPECT_STREQ(value.toString().chars(), "ool.lang.JovString::StringValue");
}

// Number texts under the German locale: the process sets it at start-up, so printf-style
// numbers carry a decimal comma.
class JovStringGermanTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        previous = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, JovPlatform::germanLocaleName()) == nullptr) {
            GTEST_SKIP() << "the German locale is not installed";
        }
    }
    void TearDown() override {
        std::setlocale(LC_ALL, previous.c_str());
        LiveObjectTest::TearDown();
    }

private:
    std::string previous;
};

TEST_F(JovStringGermanTest, ValueOfDoubleUsesTheDecimalComma) {
    EXPECT_STREQ(JovString::valueOf(1.5).chars(), "1,5");
    EXPECT_STREQ(JovString::valueOf(275.0).chars(), "275");
    EXPECT_STREQ(JovString::valueOf(0.25).chars(), "0,25");
}
