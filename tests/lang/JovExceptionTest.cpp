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

TEST_F(JovExceptionTest, LongTextNamesTheRunTimeClass) {
    EXPECT_STREQ(JovException("kaputt").longText().chars(), "JovException: kaputt");
    EXPECT_STREQ(JovFileNotFoundException("data/meals.mdb").longText().chars(),
                 "JovFileNotFoundException: data/meals.mdb");
}

TEST_F(JovExceptionTest, CaughtAsTheBaseKeepsItsClass) {
    try {
        throw JovFileNotFoundException("settings.ini");
    } catch (const JovException& caught) {
        EXPECT_STREQ(caught.longText().chars(), "JovFileNotFoundException: settings.ini");
        return;
    }
    FAIL() << "the exception was not caught as its base";
}

TEST_F(JovExceptionTest, CloneKeepsClassAndMessage) {
    const JovFileNotFoundException missing("x.pro");
    JovObject* copy = missing.clone();
    auto* asMissing = dynamic_cast<JovFileNotFoundException*>(copy);
    ASSERT_NE(asMissing, nullptr);
    EXPECT_STREQ(asMissing->longText().chars(), "JovFileNotFoundException: x.pro");
    delete copy;

    JovObject* plainCopy = JovException("m").clone();
    EXPECT_EQ(dynamic_cast<JovFileNotFoundException*>(plainCopy), nullptr);
    EXPECT_STREQ(plainCopy->toString().chars(), "m");
    delete plainCopy;
}
