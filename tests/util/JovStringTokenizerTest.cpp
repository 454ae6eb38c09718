// Splitting at delimiters: empty tokens between adjacent delimiters, returned delimiters, the
// position-independent count and the error lines past the end.
#include "CapturedOutput.h"
#include "LiveObjectTest.h"

#include "util/JovStringTokenizer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using Tokens = std::vector<std::string>;

class JovStringTokenizerTest : public LiveObjectTest {
protected:
    static Tokens tokensOf(JovStringTokenizer& tokenizer) {
        Tokens tokens;
        while (tokenizer.hasMoreTokens()) {
            const JovString token = tokenizer.nextToken();
            tokens.emplace_back(token.chars(), token.length());
        }
        return tokens;
    }
};

TEST_F(JovStringTokenizerTest, SplitsAtEveryDelimiterAndCountsTheRunsBetween) {
    const struct {
        const char* text;
        const char* delimiters;
        bool returnDelimiters;
        Tokens tokens;
        int count;
    } cases[] = {{"10 20\t30\n40", nullptr, false, {"10", "20", "30", "40"}, 4},
                 {"a\r b", nullptr, false, {"a\r", "b"}, 2},
                 {"a  b", nullptr, false, {"a", "", "b"}, 2},
                 {" a", nullptr, false, {"", "a"}, 1},
                 {" \t\n", nullptr, false, {}, 0},
                 {"", nullptr, false, {}, 0},
                 {",a,,b,", ",", false, {"", "a", "", "b"}, 2},
                 {"a,,,", ",", false, {"a"}, 1},
                 {"a,b", ",", true, {"a", ",", "b"}, 2},
                 {",,a;", ",;", true, {",", ",", "a", ";"}, 1},
                 {"a,", ",", true, {"a", ","}, 1},
                 {"a b,c", "", false, {"a b,c"}, 1}};
    for (const auto& [text, delimiters, returnDelimiters, tokens, count] : cases) {
        SCOPED_TRACE(text);
        JovStringTokenizer tokenizer = delimiters == nullptr
                                           ? JovStringTokenizer(text)
                                           : JovStringTokenizer(text, delimiters, returnDelimiters);
        EXPECT_EQ(tokenizer.countTokens(), count);
        EXPECT_EQ(tokensOf(tokenizer), tokens);
        EXPECT_EQ(tokenizer.countTokens(), count) << "the count does not depend on the position";
    }
}

// After trailing delimiters hasMoreTokens says no, yet nextToken still reads the empty tokens
// between them silently; only past the text's end does it write an error line.
TEST_F(JovStringTokenizerTest, NextTokenPastTheEndWritesAnErrorLineAndAnswersEmpty) {
    JovStringTokenizer tokenizer("a,,", ",", false);
    EXPECT_STREQ(tokenizer.nextToken().chars(), "a");
    EXPECT_FALSE(tokenizer.hasMoreTokens());
    EXPECT_EQ(errorsOf([&] { EXPECT_EQ(tokenizer.nextToken().length(), 0); }), "");
    JovString token("unchanged");
    EXPECT_EQ(errorsOf([&] { token = tokenizer.nextToken(); }),
              "Error: StringTokenizer::nextToken(): position 3 >= 3.\r\n");
    EXPECT_EQ(token.length(), 0);
}

TEST_F(JovStringTokenizerTest, IsDelimiterAtLooksAtOneCharacterAndWritesAnErrorPastTheEnd) {
    const JovStringTokenizer tokenizer("a,b", ",", false);
    EXPECT_FALSE(tokenizer.isDelimiterAt(0));
    EXPECT_TRUE(tokenizer.isDelimiterAt(1));
    EXPECT_FALSE(tokenizer.isDelimiterAt(-1));
    bool answer = true;
    EXPECT_EQ(errorsOf([&] { answer = tokenizer.isDelimiterAt(3); }),
              "Error: StringTokenizer::isDelimiterAt(): position 3 >= 3.\r\n");
    EXPECT_FALSE(answer);
}
