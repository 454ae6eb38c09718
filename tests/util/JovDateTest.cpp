// The time value holder: construction, equality by type and value, and the asctime text.
#include "LiveObjectTest.h"
#include "ValueEquality.h"

#include "lang/JovInteger.h"
#include "util/JovDate.h"

#include <ctime>
#include <gtest/gtest.h>
#include <string>

class JovDateTest : public LiveObjectTest {
protected:
    // 2001-09-09 01:46:40 UTC.
    static constexpr int billionSeconds = 1000000000;
};

TEST_F(JovDateTest, DefaultIsTheCurrentTime) {
    const auto before = static_cast<int>(std::time(nullptr));
    const JovDate now;
    EXPECT_GE(now.getTime(), before);
    EXPECT_LE(now.getTime(), static_cast<int>(std::time(nullptr)));
}

TEST_F(JovDateTest, EqualsOnlyADateWithTheSameTime) {
    JovDate date(42);
    date.setTime(billionSeconds);
    const JovDate later(billionSeconds + 1);
    const JovInteger number(billionSeconds);
    expectEqualsOnlyItsClone(date, {&later, &number});
}

// asctime is not localised, so the text is the same under the German locale.
TEST_F(JovDateTest, TextIsAsctimeOfTheLocalTimeWithoutLineBreak) {
    constexpr int asctimeLength = 24;
    const std::time_t value = billionSeconds;
    const std::string expected(std::asctime(std::localtime(&value)), asctimeLength);
    EXPECT_STREQ(JovDate(billionSeconds).toString().chars(), expected.c_str());
}
