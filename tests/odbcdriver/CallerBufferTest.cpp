// Filling a caller's character buffer the way ODBC does, including cutting into a small one.
#include "odbcdriver/CallerBuffer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {
constexpr char untouched = '#';
}

class CallerBufferTest : public ::testing::Test {
protected:
    CallerBufferTest() { area.fill(untouched); }

    std::array<char, 16> area{};
    std::size_t copied = 0;
};

TEST_F(CallerBufferTest, TextThatFitsIsCopiedWithTerminatingZero) {
    EXPECT_EQ(CallerBuffer::fill("Reis", area.data(), 5, copied), SQL_SUCCESS);
    EXPECT_EQ(copied, 4u);
    EXPECT_STREQ(area.data(), "Reis");
    EXPECT_EQ(area[5], untouched);
}

TEST_F(CallerBufferTest, LongTextIsCutAtTheBufferEndAndReportedAsTruncated) {
    EXPECT_EQ(CallerBuffer::fill("Zwiebeln", area.data(), 4, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(copied, 3u);
    EXPECT_STREQ(area.data(), "Zwi");
    for (std::size_t index = 4; index < area.size(); ++index) {
        EXPECT_EQ(area[index], untouched) << "written past the buffer at " << index;
    }
}

TEST_F(CallerBufferTest, MissingOrEmptyBufferReceivesNothing) {
    EXPECT_EQ(CallerBuffer::fill("Reis", nullptr, 5, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(CallerBuffer::fill("Reis", area.data(), 0, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(CallerBuffer::fill("Reis", area.data(), -3, copied), SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(copied, 0u);
    EXPECT_EQ(area[0], untouched);
}

TEST_F(CallerBufferTest, ConvertedTextReportsItsWindows1252Length) {
    // "Grüße" is 7 bytes in UTF-8 and 5 in Windows-1252.
    SQLLEN length = 0;
    EXPECT_EQ(CallerBuffer::fillFromUtf8("Gr\xC3\xBC\xC3\x9F"
                                         "e",
                                         SQL_SUCCESS, area.data(), 16, &length),
              SQL_SUCCESS);
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(area.data(), "Gr\xFC\xDF"
                              "e");
}

TEST_F(CallerBufferTest, ConvertedTextIsCutInWindows1252Bytes) {
    SQLSMALLINT length = 0;
    EXPECT_EQ(CallerBuffer::fillFromUtf8("Gr\xC3\xBC\xC3\x9F"
                                         "e",
                                         SQL_SUCCESS, area.data(), 4, &length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(area.data(), "Gr\xFC");
    EXPECT_EQ(area[4], untouched);
}

TEST_F(CallerBufferTest, DriverInformationIsKeptWhenTheTextFits) {
    EXPECT_EQ(CallerBuffer::fillFromUtf8<SQLSMALLINT>("x", SQL_SUCCESS_WITH_INFO, area.data(), 4,
                                                      nullptr),
              SQL_SUCCESS_WITH_INFO);
}

TEST_F(CallerBufferTest, LengthIsClippedToWhatItsFieldHolds) {
    SQLSMALLINT shortLength = 0;
    CallerBuffer::storeLength(&shortLength, 40000);
    EXPECT_EQ(shortLength, 32767);
    SQLLEN longLength = 0;
    CallerBuffer::storeLength(&longLength, 40000);
    EXPECT_EQ(longLength, 40000);
}
