// Placeholder filling: numbering, out-of-range numbers, braces without partner, apostrophes and
// type suffixes, which have no meaning of their own.
#include "LiveObjectTest.h"
#include "TextBytes.h"

#include "text/JovMessageFormat.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class JovMessageFormatTest : public LiveObjectTest {};

TEST_F(JovMessageFormatTest, PlaceholdersTakeTheirArgumentByNumber) {
    const struct {
        const char* pattern;
        const char* filled;
    } cases[] = {{"{1} vor {0}", "B vor A"},
                 {"{0}{0}-{1}{0}", "AA-BA"},
                 {"Name fehlt...", "Name fehlt..."},
                 {"", ""},
                 {"{2}", ""},
                 {"x{2}y{-1}z", "xyz"},
                 {"{99999999999}", ""},
                 {"{x}", "A"},
                 {"{}", "A"},
                 {"{1,number,integer} und {0,date}", "B und A"},
                 {"'{0}'", "'A'"},
                 {"'{'0}'", "'A'"},
                 {"Menü {0", "Menü {0"},
                 {"{0} und {1", "A und {1"},
                 {"{", "{"},
                 {"} {0} }", "} A }"}};
    const JovString args[] = {"A", "B"};
    for (const auto& [pattern, filled] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(bytesOf(JovMessageFormat::format(pattern, args, 2)), filled);
    }
}

TEST_F(JovMessageFormatTest, NoArgumentsLeaveEveryPlaceholderEmptyAndArgumentsPassUnchanged) {
    const JovString args[] = {JovString("a\0b\xE4", 0, 4), "{0}"};
    for (const int count : {0, -1}) {
        EXPECT_STREQ(JovMessageFormat::format("a{0}b", args, count).chars(), "ab") << count;
    }
    EXPECT_STREQ(JovMessageFormat::format("a{0}b", nullptr, 0).chars(), "ab");
    EXPECT_EQ(bytesOf(JovMessageFormat::format("<{0}>{1}", args, 2)),
              std::string("<a\0b\xE4>{0}", 9));
}
