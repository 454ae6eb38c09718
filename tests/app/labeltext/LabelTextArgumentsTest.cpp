// The tool's command line: menus by article number or all of them, JSON or a picture on request,
// and a clear refusal of anything else.
#include "app/labeltext/LabelTextArguments.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {
using Arguments = std::vector<const char*>;

LabelTextArguments parse(Arguments arguments) {
    return LabelTextArguments(static_cast<int>(arguments.size()), arguments.data());
}
} // namespace

TEST(LabelTextArgumentsTest, OptionsMayStandAnywhereAndNumbersKeepTheirOrder) {
    const struct {
        Arguments arguments;
        std::vector<int> ids;
        bool json;
        bool all;
        const char* png;
    } cases[] = {
        {{"105", "101", "0", "-3"}, {105, 101, 0, -3}, false, false, ""},
        {{"2147483647", "-2147483648"}, {INT_MAX, INT_MIN}, false, false, ""},
        {{"101", "--json", "102"}, {101, 102}, true, false, ""},
        {{"--all", "--json"}, {}, true, true, ""},
        {{"--all"}, {}, false, true, ""},
        {{"--png", "etikett.png", "101"}, {101}, false, false, "etikett.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.size());
        const LabelTextArguments parsed = parse(c.arguments);
        ASSERT_TRUE(parsed.isValid()) << parsed.getError();
        EXPECT_EQ(parsed.getMenuIds(), c.ids);
        EXPECT_EQ(parsed.isJson(), c.json);
        EXPECT_EQ(parsed.isAll(), c.all);
        EXPECT_EQ(parsed.getPngPath(), c.png);
    }
}

TEST(LabelTextArgumentsTest, AnythingButPlainNumbersIsRefusedWithItsText) {
    for (const char* bad :
         {"12a", "+5", " 7", "1e3", "-", "", "--JSON", "-x", "4294967297", "2147483648"}) {
        const LabelTextArguments arguments = parse({"101", bad});
        EXPECT_FALSE(arguments.isValid()) << bad;
        EXPECT_NE(arguments.getError().find(std::string("'") + bad + "'"), std::string::npos)
            << arguments.getError();
    }
}

// Menus are chosen one way only, and a picture takes its file and exactly one menu.
TEST(LabelTextArgumentsTest, MissingOrConflictingChoicesAreRefused) {
    for (const Arguments& refused : std::vector<Arguments>{{},
                                                           {"--json"},
                                                           {"--all", "101"},
                                                           {"--png"},
                                                           {"101", "--png"},
                                                           {"--png", "a.png"},
                                                           {"--png", "a.png", "101", "102"},
                                                           {"--png", "a.png", "--all"},
                                                           {"--json", "--png", "a.png", "101"}}) {
        EXPECT_FALSE(parse(refused).isValid()) << refused.size();
    }
}
