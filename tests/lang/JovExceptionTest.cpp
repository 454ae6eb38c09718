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
