// The growable text: appending, the capacity growth rule and shared values.
#include "LiveObjectTest.h"

#include "lang/JovStringBuffer.h"

#include <gtest/gtest.h>
#include <string>

class JovStringBufferTest : public LiveObjectTest {};

TEST_F(JovStringBufferTest, StartsEmptyWithRoomForSixteen) {
    const JovStringBuffer buffer;
    EXPECT_EQ(buffer.length(), 0);
    EXPECT_EQ(buffer.capacity(), 16);
    EXPECT_STREQ(buffer.toString().chars(), "");
}

TEST_F(JovStringBufferTest, AppendsChainAndCollect) {
    JovStringBuffer buffer;
    buffer.append("Tomaten").append(JovString(", ")).append("Gurken").append(nullptr);
    EXPECT_STREQ(buffer.toString().chars(), "Tomaten, Gurken");
    EXPECT_EQ(buffer.length(), 15);
}

TEST_F(JovStringBufferTest, GrowsToTwiceAndTwoThenToWhatIsNeeded) {
    JovStringBuffer buffer;
    buffer.append(std::string(16, 'a').c_str());
    EXPECT_EQ(buffer.capacity(), 16);
    buffer.append("b");
    EXPECT_EQ(buffer.capacity(), 34);
    buffer.append(std::string(17, 'c').c_str());
    EXPECT_EQ(buffer.capacity(), 34);
    buffer.append("d");
    EXPECT_EQ(buffer.capacity(), 70);
    buffer.append(std::string(200, 'e').c_str());
    EXPECT_EQ(buffer.capacity(), 35 + 200);
    EXPECT_EQ(buffer.toString().length(), 235);
}

TEST_F(JovStringBufferTest, EnsureCapacityKeepsTheText) {
    JovStringBuffer buffer;
    buffer.append("Reis");
    buffer.ensureCapacity(10);
    EXPECT_EQ(buffer.capacity(), 16);
    buffer.ensureCapacity(100);
    EXPECT_EQ(buffer.capacity(), 100);
    EXPECT_STREQ(buffer.toString().chars(), "Reis");
}

TEST_F(JovStringBufferTest, AppendKeepsZeroBytesOfAString) {
    JovStringBuffer buffer;
    buffer.append(JovString("a\0b", 0, 3));
    EXPECT_EQ(buffer.length(), 3);
    EXPECT_EQ(std::string(buffer.toString().chars(), 3), std::string("a\0b", 3));
}

TEST_F(JovStringBufferTest, CopiesAndClonesSeeEachOthersAppends) {
    JovStringBuffer buffer;
    JovStringBuffer copy(buffer);
    JovStringBuffer assigned;
    assigned = buffer;
    JovObject* clone = buffer.clone();
    buffer.append("geteilt");
    EXPECT_STREQ(copy.toString().chars(), "geteilt");
    EXPECT_STREQ(assigned.toString().chars(), "geteilt");
    EXPECT_STREQ(clone->toString().chars(), "geteilt");
    delete clone;
}

TEST_F(JovStringBufferTest, ToStringIsASnapshot) {
    JovStringBuffer buffer;
    buffer.append("vorher");
    const JovString snapshot = buffer.toString();
    buffer.append(" nachher");
    EXPECT_STREQ(snapshot.chars(), "vorher");
}

TEST_F(JovStringBufferTest, ValueTextNamesItsClass) {
    const JovStringBuffer::StringBufferValue value;
    EXPECT_STREQ(value.toString().chars(), "ool.lang.JovStringBuffer::StringBufferValue");
}
