// The growable text: appending keeps every byte.
#include "LiveObjectTest.h"

#include "lang/JovStringBuffer.h"

#include <gtest/gtest.h>
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
