// The single-shot timer: one firing after the delay, a burst of restarts firing once after the
// last one, and a timer destroyed while it waits ending without firing.
#include "awt/JovTimer.h"
#include "LiveObjectTest.h"
#include "awt/event/JovActionListener.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Counts the firings and lets the test wait for one without polling.
class FiringLog : public JovActionListener {
public:
    void actionPerformed(JovActionEvent& event) override {
        std::lock_guard<std::mutex> guard(lock);
        ++firings;
        firedAt = Clock::now();
        source = event.getSource();
        id = event.getID();
        command = event.getActionCommand().chars();
        threadId = GetCurrentThreadId();
        fired.notify_all();
    }

    bool waitForFirings(int count, std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> guard(lock);
        return fired.wait_for(guard, timeout, [&] { return firings >= count; });
    }
    int count() {
        std::lock_guard<std::mutex> guard(lock);
        return firings;
    }

    std::mutex lock;
    std::condition_variable fired;
    int firings = 0;
    Clock::time_point firedAt;
    JovObject* source = nullptr;
    int id = 0;
    std::string command;
    DWORD threadId = 0;
};

long long millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

} // namespace

class JovTimerTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        timer = new JovTimer(0, &log);
        timer->addRef();
        timer->setDelay(500);
    }
    void TearDown() override {
        if (timer != nullptr) {
            timer->release();
        }
        LiveObjectTest::TearDown();
    }

    // What the search field does on every change.
    void change() {
        timer->stop();
        timer->restart();
    }

    FiringLog log;
    JovTimer* timer = nullptr;
};

TEST_F(JovTimerTest, ARequestFiresOnceAfterTheDelayOnTheTimersThread) {
    const Clock::time_point asked = Clock::now();
    timer->restart();
    ASSERT_TRUE(log.waitForFirings(1, std::chrono::milliseconds(3000)));
    EXPECT_GE(millisecondsBetween(asked, log.firedAt), 490);
    EXPECT_EQ(log.source, timer);
    EXPECT_EQ(log.id, 256);
    EXPECT_EQ(log.command, "ool.awt.JovTimer");
    EXPECT_NE(log.threadId, GetCurrentThreadId());
    EXPECT_FALSE(log.waitForFirings(2, std::chrono::milliseconds(700)));
}

TEST_F(JovTimerTest, ThreeChangesWithin200MillisecondsFireExactlyOnce) {
    change();
    Sleep(80);
    change();
    Sleep(80);
    change();
    const Clock::time_point lastChange = Clock::now();
    ASSERT_TRUE(log.waitForFirings(1, std::chrono::milliseconds(3000)));
    const long long afterLast = millisecondsBetween(lastChange, log.firedAt);
    EXPECT_GE(afterLast, 490);
    EXPECT_LE(afterLast, 1100);
    EXPECT_FALSE(log.waitForFirings(2, std::chrono::milliseconds(1200)));
    EXPECT_EQ(log.count(), 1);
}

TEST_F(JovTimerTest, AChangeWithNothingWaitingFiresAndAChangeAfterAFiringFiresAgain) {
    change();
    ASSERT_TRUE(log.waitForFirings(1, std::chrono::milliseconds(3000)));
    change();
    EXPECT_TRUE(log.waitForFirings(2, std::chrono::milliseconds(3000)));
}

TEST_F(JovTimerTest, DestroyingAWaitingTimerEndsItsThreadWithoutFiring) {
    timer->setDelay(3000);
    change();
    Sleep(100);
    const Clock::time_point destroying = Clock::now();
    timer->release();
    timer = nullptr;
    EXPECT_LT(millisecondsBetween(destroying, Clock::now()), 1000);
    EXPECT_EQ(log.count(), 0);
}
