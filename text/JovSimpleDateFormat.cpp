// Date formatting through strftime and the library's own parsing of numeric date fields.

#include "text/JovSimpleDateFormat.h"

#include "lang/JovException.h"
#include "lang/JovInteger.h"
#include "util/JovDate.h"

#include <climits>
#include <cstring>
#include <ctime>

namespace {

constexpr int workAreaSize = 128;
constexpr char conversionMark = '%';
constexpr int fieldWidth = 2;
constexpr int fullYearWidth = 4;
constexpr int firstDay = 1;
constexpr int firstMonth = 1;
constexpr int lastMonth = 12;
constexpr int tmYearBase = 1900;
constexpr int epochYear = 1970;
// Two-digit years from 70 on are the 1900s, the rest the 2000s.
constexpr int centuryPivot = 70;
constexpr int twentiethCentury = 1900;
constexpr int twentyFirstCentury = 2000;

// The conversions every runtime library knows; the Windows runtime treats any other as an
// invalid parameter, so the formatter never hands one on.
constexpr const char* portableConversions = "aAbBcdHIjmMpSUwWxXyYzZ%";
// Windows spells its "no leading zero" variants with this flag.
constexpr char alternateFlag = '#';

// Whether every conversion in pattern is one strftime handles everywhere.
bool hasOnlyPortableConversions(const JovString& pattern) {
    for (int i = pattern.indexOf(conversionMark); i >= 0;
         i = pattern.indexOf(conversionMark, i + 1)) {
        if (pattern.charAt(i + 1) == alternateFlag) {
            ++i;
        }
        const char conversion = pattern.charAt(i + 1);
        if (conversion == '\0' || std::strchr(portableConversions, conversion) == nullptr) {
            return false;
        }
        ++i;
    }
    return true;
}

// The broken-down time the parser fills, with its start values.
struct DateFields {
    int second = 0;
    int minute = 0;
    int hour = 0;
    int day = firstDay;
    int month = firstMonth;
    int year = epochYear;
};

[[noreturn]] void parseFailed() {
    throw JovException("Error in JovSimpleDateFormat::parse");
}

// The number in width characters of text at position, read like parseInt; missing characters
// read as nothing.
int numberAt(const JovString& text, int position, int width) {
    return JovInteger::parseInt(text.substring(position, position + width));
}

int yearOfTwoDigits(int value) {
    return value + (value >= centuryPivot ? twentiethCentury : twentyFirstCentury);
}

// Reads the field of one conversion letter; answers the characters it took, or -1 when the
// character is no conversion letter.
int readField(char letter, const JovString& text, int position, DateFields& fields) {
    switch (letter) {
    case 'd':
        fields.day = numberAt(text, position, fieldWidth);
        return fieldWidth;
    case 'm':
        fields.month = numberAt(text, position, fieldWidth);
        return fieldWidth;
    case 'y':
        fields.year = yearOfTwoDigits(numberAt(text, position, fieldWidth));
        return fieldWidth;
    case 'Y':
        fields.year = numberAt(text, position, fullYearWidth);
        return fullYearWidth;
    case 'H':
        fields.hour = numberAt(text, position, fieldWidth);
        return fieldWidth;
    case 'M':
        fields.minute = numberAt(text, position, fieldWidth);
        return fieldWidth;
    case 'S':
        fields.second = numberAt(text, position, fieldWidth);
        return fieldWidth;
    default:
        return -1;
    }
}

// Passes over the pattern after a "%" up to its conversion letter and reads that letter's field
// from text; answers the characters read.
int readConversion(const JovString& pattern, int& patternPosition, const JovString& text,
                   int textPosition, DateFields& fields) {
    while (patternPosition < pattern.length()) {
        const int width = readField(pattern.charAt(patternPosition++), text, textPosition, fields);
        if (width >= 0) {
            return width;
        }
    }
    return 0;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The runtime library would roll 31.02. into March; a day the month does not have is no date.
int daysInMonth(int month, int year) {
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    constexpr int february = 2;
    return month == february && isLeapYear(year) ? days[month - firstMonth] + 1
                                                 : days[month - firstMonth];
}

// The time value of the fields in local time; daylight saving is the runtime library's choice.
int timeValueOf(const DateFields& fields) {
    if (fields.day < firstDay || fields.month < firstMonth || fields.month > lastMonth ||
        fields.year < tmYearBase || fields.day > daysInMonth(fields.month, fields.year)) {
        parseFailed();
    }
    std::tm broken = {};
    broken.tm_sec = fields.second;
    broken.tm_min = fields.minute;
    broken.tm_hour = fields.hour;
    broken.tm_mday = fields.day;
    broken.tm_mon = fields.month - firstMonth;
    broken.tm_year = fields.year - tmYearBase;
    broken.tm_isdst = -1;
    const std::time_t value = std::mktime(&broken);
    // Both runtimes have a wider time_t; the library's time value is 32 bits.
    if (value == static_cast<std::time_t>(-1) || value < INT_MIN || value > INT_MAX) {
        parseFailed();
    }
    return static_cast<int>(value);
}

} // namespace

JovSimpleDateFormat::JovSimpleDateFormat(const JovString& pattern) : pattern(pattern) {
}

JovSimpleDateFormat::JovSimpleDateFormat(const JovSimpleDateFormat& other)
    : JovObject(other), pattern(other.pattern) {
}

JovSimpleDateFormat& JovSimpleDateFormat::operator=(const JovSimpleDateFormat& other) {
    pattern = other.pattern;
    return *this;
}

JovString JovSimpleDateFormat::format(const JovDate& date) const {
    const std::time_t value = date.getTime();
    const std::tm* local = std::localtime(&value);
    if (local == nullptr || !hasOnlyPortableConversions(pattern)) {
        return JovString();
    }
    char workArea[workAreaSize];
    const std::size_t length = std::strftime(workArea, sizeof workArea, pattern.chars(), local);
    return JovString(workArea, 0, static_cast<int>(length));
}

JovDate JovSimpleDateFormat::parse(const JovString& text) const {
    DateFields fields;
    int patternPosition = 0;
    int textPosition = 0;
    while (patternPosition < pattern.length()) {
        const char expected = pattern.charAt(patternPosition++);
        if (expected == conversionMark) {
            textPosition += readConversion(pattern, patternPosition, text, textPosition, fields);
            continue;
        }
        if (text.charAt(textPosition++) != expected) {
            parseFailed();
        }
    }
    return JovDate(timeValueOf(fields));
}

JovObject* JovSimpleDateFormat::clone() const {
    return new JovSimpleDateFormat(*this);
}

JovString JovSimpleDateFormat::toString() const {
    return "ool.text.JovSimpleDateFormat";
}
