// Exceptions thrown by value: message, long text with the run-time class name, catching by base.
#include "LiveObjectTest.h"

#include "lang/JovException.h"
#include "lang/JovFileNotFoundException.h"

#include <gtest/gtest.h>
#include <memory>

class JovExceptionTest : public LiveObjectTest {};

TEST_F(JovExceptionTest, MessageIsTheTextAndLongTextNamesTheRunTimeClassWhenCaughtAsTheBase) {
    EXPECT_STREQ(JovException("kaputt").toString().chars(), "kaputt");
    EXPECT_STREQ(JovException().getMessage().chars(), "");
    EXPECT_STREQ(JovException("kaputt").longText().chars(), "JovException: kaputt");
    try {
        throw JovFileNotFoundException("settings.ini");
    } catch (const JovException& caught) {
        EXPECT_STREQ(caught.longText().chars(), "JovFileNotFoundException: settings.ini");
    }
}

TEST_F(JovExceptionTest, CloneKeepsClassAndMessage) {
    const std::unique_ptr<JovObject> copy(JovFileNotFoundException("x.pro").clone());
    ASSERT_NE(dynamic_cast<JovFileNotFoundException*>(copy.get()), nullptr);
    EXPECT_STREQ(static_cast<JovException*>(copy.get())->longText().chars(),
                 "JovFileNotFoundException: x.pro");
    const std::unique_ptr<JovObject> plainCopy(JovException("m").clone());
    EXPECT_EQ(dynamic_cast<JovFileNotFoundException*>(plainCopy.get()), nullptr);
}
