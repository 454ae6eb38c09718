// Date texts through strftime and back through the numeric field parser, with its range limits,
// its failures and the label pattern it cannot read.
#include "LiveObjectTest.h"
#include "TextBytes.h"

#include "lang/JovException.h"
#include "text/JovSimpleDateFormat.h"
#include "util/JovDate.h"

#include <clocale>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

constexpr const char* labelPattern = "%a, %d.%m.%y";
constexpr const char* fullPattern = "%d.%m.%Y %H:%M:%S";
constexpr int workAreaSize = 128;

// The time value of a local date and time.
int localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    std::tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    return static_cast<int>(std::mktime(&fields));
}

std::string formatted(const std::string& pattern, int time) {
    return bytesOf(JovSimpleDateFormat(pattern.c_str()).format(JovDate(time)));
}

int parsed(const char* pattern, const char* text) {
    return JovSimpleDateFormat(pattern).parse(text).getTime();
}

} // namespace

class JovSimpleDateFormatTest : public LiveObjectTest {};

TEST_F(JovSimpleDateFormatTest, FormatsTheLocalTimeWithinTheWorkAreaOrGivesEmptyText) {
    const int time = localTime(2024, 12, 24, 13, 5, 9);
    std::string manyYears;
    for (int i = 0; i < workAreaSize / 4; ++i) {
        manyYears += "%Y";
    }
    const struct {
        std::string pattern;
        std::string text;
    } cases[] = {{fullPattern, "24.12.2024 13:05:09"},
                 {"%d.%m.%y", "24.12.24"},
                 {"%d%%", "24%"},
                 {std::string(workAreaSize - 1, 'x'), std::string(workAreaSize - 1, 'x')},
                 {std::string(workAreaSize, 'x'), ""},
                 {manyYears, ""},
                 {"%d %Q", ""},
                 {"%d %", ""}};
    for (const auto& [pattern, text] : cases) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(formatted(pattern, time), text);
    }
}

TEST_F(JovSimpleDateFormatTest, LabelPatternStartsWithTheLocaleWeekday) {
    const std::time_t christmasEve = localTime(2024, 12, 24);
    const std::string text = formatted(labelPattern, christmasEve);
    // The weekday name is the runtime library's: it is checked against the runtime itself, and
    // under the German locale only for its first letters ("Di" natively, "Di." under Wine).
    char weekday[workAreaSize];
    std::strftime(weekday, sizeof weekday, "%a", std::localtime(&christmasEve));
    EXPECT_EQ(text, std::string(weekday) + ", 24.12.24");
    const char* timeLocale = std::setlocale(LC_TIME, nullptr);
    if (std::strncmp(timeLocale, "de", 2) == 0 || std::strncmp(timeLocale, "German", 6) == 0) {
        EXPECT_EQ(text.substr(0, 2), "Di") << text;
    }
}

TEST_F(JovSimpleDateFormatTest, ParsesNumericFieldsWithTheTwoDigitYearRule) {
    const struct {
        const char* pattern;
        const char* text;
        int year, month, day, hour = 0, minute = 0, second = 0;
    } cases[] = {
        {"%d.%m.%y", "24.12.70", 1970, 12, 24},
        {"%d.%m.%y", "24.12.37", 2037, 12, 24},
        {"%d.%m.%y", "01.03.00", 2000, 3, 1},
        // Missing year digits read as zero; the last day of each kind of month.
        {"%d.%m.%y", "24.12.", 2000, 12, 24},
        {"%d.%m.%Y", "29.02.2024", 2024, 2, 29},
        {"%d.%m.%Y", "29.02.2000", 2000, 2, 29},
        {"%d.%m.%Y", "30.04.2021", 2021, 4, 30},
        {"%d.%m.%Y", "31.12.2021", 2021, 12, 31},
        // Characters between "%" and the conversion letter are passed over.
        {"%#d.%m.%Y", "05.03.2020", 2020, 3, 5},
        // Unread fields keep their start values; the second day of 1970 lies after the epoch in
        // every time zone.
        {"%Y", "2001", 2001, 1, 1},
        {"%d", "02", 1970, 1, 2},
        {"%d.%m.%Y", "24.12.2024 Abend", 2024, 12, 24},
        {fullPattern, "01.08.2010 18:45:30", 2010, 8, 1, 18, 45, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " on " + c.text);
        EXPECT_EQ(parsed(c.pattern, c.text),
                  localTime(c.year, c.month, c.day, c.hour, c.minute, c.second));
    }
}

// 2069 lies past 19 January 2038, the last second a 32-bit time value holds. In "1.1.05" the day
// is read from "1." and the pattern's point then meets the month's "1". A day the month lacks
// is refused, not rolled into the next month.
TEST_F(JovSimpleDateFormatTest, ParseFailsOnMismatchesAndValuesOutOfRange) {
    const struct {
        const char* pattern;
        const char* text;
    } cases[] = {{"%d.%m.%y", "24.12.69"},   {"%d.%m.%Y", "19.01.2039"}, {"%Y", "1899"},
                 {"%d.%m.%y", "32.01.05"},   {"%d.%m.%y", "00.01.05"},   {"%d.%m.%y", "15.13.05"},
                 {"%d.%m.%y", "15.00.05"},   {"%d.%m.%Y", "24-12-2024"}, {"%d.%m.%y", "24.12"},
                 {"%d.%m.%Y", "24.12."},     {"%d.%m.%y", "1.1.05"},     {"%d.%m.%Y", "31.02.2021"},
                 {"%d.%m.%Y", "31.04.2021"}, {"%d.%m.%Y", "29.02.2023"}};
    for (const auto& [pattern, text] : cases) {
        SCOPED_TRACE(std::string(pattern) + " on " + text);
        try {
            parsed(pattern, text);
            ADD_FAILURE() << "parsed";
        } catch (const JovException& failure) {
            EXPECT_STREQ(failure.getMessage().chars(), "Error in JovSimpleDateFormat::parse");
        }
    }
}

TEST_F(JovSimpleDateFormatTest, NumericPatternReadsItsOwnOutputButTheLabelPatternCannot) {
    const int time = localTime(2031, 7, 15, 23, 59, 58);
    EXPECT_EQ(parsed(fullPattern, formatted(fullPattern, time).c_str()), time);
    EXPECT_THROW(parsed(labelPattern, formatted(labelPattern, time).c_str()), JovException);
}
