// The boxed truth value.
#include "LiveObjectTest.h"

#include "lang/JovBoolean.h"
#include "lang/JovInteger.h"

#include <gtest/gtest.h>

class JovBooleanTest : public LiveObjectTest {};

TEST_F(JovBooleanTest, TextIsTrueOrFalse) {
    EXPECT_STREQ(JovBoolean(true).toString().chars(), "true");
    EXPECT_STREQ(JovBoolean(false).toString().chars(), "false");
}

TEST_F(JovBooleanTest, EqualsOnlyABooleanOfTheSameValue) {
    const JovBoolean yes(true);
    JovObject* copy = yes.clone();
    const JovBoolean no(false);
    const JovInteger one(1);
    EXPECT_TRUE(yes.equals(copy));
    EXPECT_FALSE(yes.equals(&no));
    EXPECT_FALSE(yes.equals(&one));
    EXPECT_FALSE(yes.equals(nullptr));
    delete copy;
}
