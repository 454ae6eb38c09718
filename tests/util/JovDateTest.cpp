// The time value holder: construction, equality by type and value, and the asctime text.
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "util/JovDate.h"

#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace {

// 2001-09-09 01:46:40 UTC.
constexpr int billionSeconds = 1000000000;
constexpr int asctimeLength = 24;

} // namespace

class JovDateTest : public LiveObjectTest {};

TEST_F(JovDateTest, DefaultIsTheCurrentTime) {
    const auto before = static_cast<int>(std::time(nullptr));
    const JovDate now;
    EXPECT_GE(now.getTime(), before);
    EXPECT_LE(now.getTime(), static_cast<int>(std::time(nullptr)));
}

TEST_F(JovDateTest, EqualsOnlyADateWithTheSameTime) {
    JovDate date(42);
    date.setTime(billionSeconds);
    JovObject* copy = date.clone();
    const JovDate later(billionSeconds + 1);
    const JovInteger number(billionSeconds);
    EXPECT_TRUE(date.equals(copy));
    EXPECT_FALSE(date.equals(&later));
    EXPECT_FALSE(date.equals(&number));
    EXPECT_FALSE(date.equals(nullptr));
    delete copy;
}

// asctime is not localised, so the text is the same under the German locale.
TEST_F(JovDateTest, TextIsAsctimeOfTheLocalTimeWithoutLineBreak) {
    const std::time_t value = billionSeconds;
    const std::string expected(std::asctime(std::localtime(&value)), asctimeLength);
    EXPECT_STREQ(JovDate(billionSeconds).toString().chars(), expected.c_str());
}
