// The tool's command line: menus by article number or all of them, JSON on request, and a
// clear refusal of anything else.
#include "app/labeltext/LabelTextArguments.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
LabelTextArguments parse(std::vector<const char*> arguments) {
    return LabelTextArguments(static_cast<int>(arguments.size()), arguments.data());
}
} // namespace

TEST(LabelTextArgumentsTest, ArticleNumbersAreKeptInTheirOrder) {
    const LabelTextArguments arguments = parse({"105", "101", "0", "-3"});
    ASSERT_TRUE(arguments.isValid());
    EXPECT_EQ(arguments.getMenuIds(), std::vector<int>({105, 101, 0, -3}));
    EXPECT_FALSE(arguments.isJson());
    EXPECT_FALSE(arguments.isAll());
}

TEST(LabelTextArgumentsTest, JsonAndAllMayStandAnywhere) {
    const LabelTextArguments all = parse({"--all", "--json"});
    ASSERT_TRUE(all.isValid());
    EXPECT_TRUE(all.isAll());
    EXPECT_TRUE(all.isJson());
    const LabelTextArguments ids = parse({"101", "--json", "102"});
    ASSERT_TRUE(ids.isValid());
    EXPECT_TRUE(ids.isJson());
    EXPECT_EQ(ids.getMenuIds(), std::vector<int>({101, 102}));
}

TEST(LabelTextArgumentsTest, AnythingButPlainNumbersIsRefusedWithItsText) {
    for (const char* bad :
         {"12a", "+5", " 7", "1e3", "-", "", "--JSON", "-x", "4294967297", "2147483648"}) {
        const LabelTextArguments arguments = parse({"101", bad});
        EXPECT_FALSE(arguments.isValid()) << bad;
        EXPECT_NE(arguments.getError().find(std::string("'") + bad + "'"), std::string::npos)
            << arguments.getError();
    }
    EXPECT_TRUE(parse({"2147483647", "-2147483648"}).isValid());
}

TEST(LabelTextArgumentsTest, MenusMustBeChosenOneWay) {
    EXPECT_FALSE(parse({}).isValid());
    EXPECT_FALSE(parse({"--json"}).isValid());
    EXPECT_FALSE(parse({"--all", "101"}).isValid());
    EXPECT_TRUE(parse({"--all"}).isValid());
}

TEST(LabelTextArgumentsTest, PngTakesItsFileAndExactlyOneMenu) {
    const LabelTextArguments picture = parse({"--png", "etikett.png", "101"});
    EXPECT_TRUE(picture.isValid());
    EXPECT_EQ(picture.getPngPath(), "etikett.png");
    EXPECT_EQ(picture.getMenuIds(), std::vector<int>({101}));
    const std::vector<std::vector<const char*>> refused = {{"--png"},
                                                           {"101", "--png"},
                                                           {"--png", "a.png"},
                                                           {"--png", "a.png", "101", "102"},
                                                           {"--png", "a.png", "--all"},
                                                           {"--json", "--png", "a.png", "101"}};
    for (const auto& arguments : refused) {
        EXPECT_FALSE(parse(arguments).isValid()) << arguments.size();
    }
}
