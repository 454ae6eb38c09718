// Exceptions thrown by value: message, long text with the run-time class name, catching by base.
#include "LiveObjectTest.h"

#include "lang/JovException.h"
#include "lang/JovFileNotFoundException.h"

#include <gtest/gtest.h>

class JovExceptionTest : public LiveObjectTest {};

TEST_F(JovExceptionTest, MessageIsTheText) {
    const JovException failure("Ungueltiges Datenbankformat.");
    EXPECT_STREQ(failure.getMessage().chars(), "Ungueltiges Datenbankformat.");
    EXPECT_STREQ(failure.toString().chars(), "Ungueltiges Datenbankformat.");
    EXPECT_STREQ(JovException().getMessage().chars(), "");
}

TEST_F(JovExceptionTest, LongTextNamesTheRunTimeClassAlsoWhenCaughtAsTheBase) {
    EXPECT_STREQ(JovException("kaputt").longText().chars(), "JovException: kaputt");
    try {
        throw JovFileNotFoundException("settings.ini");
    } catch (const JovException& caught) {
        EXPECT_STREQ(caught.longText().chars(), "JovFileNotFoundException: settings.ini");
    }
}

TEST_F(JovExceptionTest, CloneKeepsClassAndMessage) {
    JovObject* copy = JovFileNotFoundException("x.pro").clone();
    ASSERT_NE(dynamic_cast<JovFileNotFoundException*>(copy), nullptr);
    EXPECT_STREQ(static_cast<JovException*>(copy)->longText().chars(),
                 "JovFileNotFoundException: x.pro");
    delete copy;
    JovObject* plainCopy = JovException("m").clone();
    EXPECT_EQ(dynamic_cast<JovFileNotFoundException*>(plainCopy), nullptr);
    delete plainCopy;
}
