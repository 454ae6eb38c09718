// The growable text: appending, the capacity growth rule and shared values.
#include "LiveObjectTest.h"

#include "lang/JovStringBuffer.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class JovStringBufferTest : public LiveObjectTest {};

TEST_F(JovStringBufferTest, AppendsChainAndKeepEveryByte) {
    JovStringBuffer buffer;
    EXPECT_STREQ(buffer.toString().chars(), "");
    buffer.append("Tomaten")
        .append(JovString(", "))
        .append(nullptr)
        .append(JovString("a\0b", 0, 3));
    EXPECT_EQ(buffer.length(), 12);
    EXPECT_EQ(std::string(buffer.toString().chars(), 12), std::string("Tomaten, a\0b", 12));
}

TEST_F(JovStringBufferTest, GrowsToTwiceAndTwoOrToWhatIsNeeded) {
    JovStringBuffer buffer;
    EXPECT_EQ(buffer.capacity(), 16);
    buffer.append(std::string(16, 'a').c_str());
    EXPECT_EQ(buffer.capacity(), 16);
    buffer.append("b");
    EXPECT_EQ(buffer.capacity(), 34);
    buffer.append(std::string(18, 'c').c_str());
    EXPECT_EQ(buffer.capacity(), 70);
    buffer.append(std::string(200, 'e').c_str());
    EXPECT_EQ(buffer.capacity(), 35 + 200);
    buffer.ensureCapacity(236);
    EXPECT_EQ(buffer.capacity(), 2 * 235 + 2);
    buffer.ensureCapacity(10);
    EXPECT_EQ(buffer.capacity(), 2 * 235 + 2);
    EXPECT_EQ(buffer.toString().length(), 235) << "growing keeps the text";
}
