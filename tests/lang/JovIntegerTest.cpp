// The boxed integer: atoi-style parsing that stays in range.
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"

#include <climits>
#include <gtest/gtest.h>

class JovIntegerTest : public LiveObjectTest {};

TEST_F(JovIntegerTest, ParseIntReadsLikeAtoiAndStaysInRange) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"42", 42},
                 {"  \t-17abc", -17},
                 {"+8", 8},
                 {"12 34", 12},
                 {"abc", 0},
                 {"", 0},
                 {"- 5", 0},
                 {"99999999999999999999", INT_MAX},
                 {"-99999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(JovInteger::parseInt(text), value);
    }
}
