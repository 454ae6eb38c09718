// Fixture base for library tests: every test must leave the live-object counter where it found it,
// so a missing or extra release fails the test that caused it.
#pragma once

#include "lang/JovObject.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

class LiveObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        liveAtStart = JovObject::liveObjectCount();
        kept = 0;
    }
    void TearDown() override {
        // A thread let go of by the test deletes itself, and what it holds, when it ends.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (JovObject::liveObjectCount() != expectedLive() &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_EQ(JovObject::liveObjectCount(), expectedLive())
            << "the test leaked or over-released library objects";
    }

    // Objects the test made that the library keeps for the whole process by design (the driver
    // manager holds every connection it opened); they do not count as leaked.
    void keepForProcess(int objects) { kept += objects; }
    int expectedLive() const { return liveAtStart + kept; }

private:
    int liveAtStart = 0;
    int kept = 0;
};
