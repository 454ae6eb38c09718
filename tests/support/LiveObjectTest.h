// Fixture base for library tests: every test must leave the live-object counter where it found it,
// so a missing or extra release fails the test that caused it.
#pragma once

#include "lang/JovObject.h"

#include <gtest/gtest.h>

class LiveObjectTest : public ::testing::Test {
protected:
    void SetUp() override { liveAtStart = JovObject::liveObjectCount(); }
    void TearDown() override {
        EXPECT_EQ(JovObject::liveObjectCount(), liveAtStart)
            << "the test leaked or over-released library objects";
    }

private:
    int liveAtStart = 0;
};
