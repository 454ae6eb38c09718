// Filling a caller's character buffer the way ODBC does, including cutting into a small one.
#include "odbcdriver/CallerBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {
constexpr char untouched = '#';
// "Grüße": 7 bytes in UTF-8, 5 in Windows-1252.
constexpr const char* greetingsUtf8 = "Gr\xC3\xBC\xC3\x9F"
                                      "e";
} // namespace

class CallerBufferTest : public ::testing::Test {
protected:
    CallerBufferTest() { area.fill(untouched); }

    bool untouchedFrom(std::size_t index) const {
        return std::all_of(area.begin() + index, area.end(), [](char c) { return c == untouched; });
    }

    std::array<char, 16> area{};
    std::size_t copied = 0;
};

TEST_F(CallerBufferTest, LongTextIsCutAtTheBufferEndAndReportedAsTruncated) {
    EXPECT_EQ(CallerBuffer::fill("Zwiebeln", area.data(), 4, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(copied, 3u);
    EXPECT_STREQ(area.data(), "Zwi");
    EXPECT_TRUE(untouchedFrom(4)) << "written past the buffer";
}

TEST_F(CallerBufferTest, MissingOrEmptyBufferReceivesNothing) {
    EXPECT_EQ(CallerBuffer::fill("Reis", nullptr, 5, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(CallerBuffer::fill("Reis", area.data(), 0, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(CallerBuffer::fill("Reis", area.data(), -3, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(copied, 0u);
    EXPECT_TRUE(untouchedFrom(0));
}

TEST_F(CallerBufferTest, ConvertedTextIsCutAndMeasuredInWindows1252Bytes) {
    SQLLEN length = 0;
    EXPECT_EQ(CallerBuffer::fillFromUtf8(greetingsUtf8, SQL_SUCCESS, area.data(), 16, &length),
              SQL_SUCCESS);
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(area.data(), "Gr\xFC\xDF"
                              "e");
    area.fill(untouched);
    SQLSMALLINT shortLength = 0;
    EXPECT_EQ(CallerBuffer::fillFromUtf8(greetingsUtf8, SQL_SUCCESS, area.data(), 4, &shortLength),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(shortLength, 5);
    EXPECT_STREQ(area.data(), "Gr\xFC");
    EXPECT_TRUE(untouchedFrom(4));
    EXPECT_EQ(CallerBuffer::fillFromUtf8<SQLSMALLINT>("x", SQL_SUCCESS_WITH_INFO, area.data(), 4,
                                                      nullptr),
              SQL_SUCCESS_WITH_INFO)
        << "the driver's information is kept when the text fits";
}

TEST_F(CallerBufferTest, LengthIsClippedToWhatItsFieldHolds) {
    SQLSMALLINT shortLength = 0;
    CallerBuffer::storeLength(&shortLength, 40000);
    EXPECT_EQ(shortLength, 32767);
    SQLLEN longLength = 0;
    CallerBuffer::storeLength(&longLength, 40000);
    EXPECT_EQ(longLength, 40000);
}
