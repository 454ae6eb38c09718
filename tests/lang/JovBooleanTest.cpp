// The boxed truth value.
#include "LiveObjectTest.h"
#include "ValueEquality.h"

#include "lang/JovBoolean.h"
#include "lang/JovInteger.h"

#include <gtest/gtest.h>

class JovBooleanTest : public LiveObjectTest {};

TEST_F(JovBooleanTest, TextIsTrueOrFalseAndEqualsOnlyABooleanOfTheSameValue) {
    EXPECT_STREQ(JovBoolean(true).toString().chars(), "true");
    EXPECT_STREQ(JovBoolean(false).toString().chars(), "false");
    const JovBoolean no(false);
    const JovInteger one(1);
    expectEqualsOnlyItsClone(JovBoolean(true), {&no, &one});
}
