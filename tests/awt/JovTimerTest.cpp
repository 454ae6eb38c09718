// The single-shot timer: one firing after the delay, a burst of restarts firing once after the
// last one, and a timer destroyed while it waits ending without firing.
#include "awt/JovTimer.h"
#include "EventLog.h"
#include "LiveObjectTest.h"
#include "ToolkitTest.h"
#include "awt/windows/JovThread.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

namespace {

using Clock = EventLog::Clock;
using std::chrono::milliseconds;

long long millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

} // namespace

class JovTimerTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        timer.reset(new JovTimer(0, &log));
        timer->setDelay(500);
    }
    void TearDown() override {
        timer.reset();
        LiveObjectTest::TearDown();
    }

    // What the search field does on every change.
    void change() {
        timer->stop();
        timer->restart();
    }

    EventLog log;
    JovReference<JovTimer> timer;
};

TEST_F(JovTimerTest, ARequestFiresOnceAfterTheDelayOnTheTimersThread) {
    const Clock::time_point asked = Clock::now();
    timer->restart();
    ASSERT_TRUE(log.waitForLines(1, milliseconds(3000)));
    EXPECT_GE(millisecondsBetween(asked, log.lastTime), 490);
    EXPECT_EQ(log.lastSource, timer.get());
    EXPECT_EQ(log.lastId, 256);
    EXPECT_EQ(log.lines(), Entries{"action ool.awt.JovTimer"});
    EXPECT_NE(log.lastThread, std::this_thread::get_id());
    EXPECT_FALSE(log.waitForLines(2, milliseconds(700)));
    change();
    EXPECT_TRUE(log.waitForLines(2, milliseconds(3000))) << "a change after a firing fires again";
}

TEST_F(JovTimerTest, ThreeChangesWithin200MillisecondsFireExactlyOnce) {
    change();
    Sleep(80);
    change();
    Sleep(80);
    change();
    const Clock::time_point lastChange = Clock::now();
    ASSERT_TRUE(log.waitForLines(1, milliseconds(3000)));
    const long long afterLast = millisecondsBetween(lastChange, log.lastTime);
    EXPECT_GE(afterLast, 490);
    EXPECT_LE(afterLast, 1100);
    EXPECT_FALSE(log.waitForLines(2, milliseconds(1200)));
    EXPECT_EQ(log.lines().size(), 1u);
}

TEST_F(JovTimerTest, DestroyingAWaitingTimerEndsItsThreadWithoutFiring) {
    timer->setDelay(3000);
    change();
    Sleep(100);
    const Clock::time_point destroying = Clock::now();
    timer.reset();
    EXPECT_LT(millisecondsBetween(destroying, Clock::now()), 1000);
    EXPECT_TRUE(log.lines().empty());
}

class JovTimerOnUiThreadTest : public ToolkitTest {};

TEST_F(JovTimerOnUiThreadTest, ListenerHearsTheTimerOnTheUiThreadWhileMessagesArePumped) {
    EventLog heard;
    JovReference<JovTimer> timer(new JovTimer(0, &heard));
    timer->setDelay(50);
    timer->setDeliveredOnUiThread(true);
    timer->restart();
    ASSERT_TRUE(pumpUntil([&heard] { return heard.lines().size() == 1; }));
    EXPECT_EQ(heard.lastThread, std::this_thread::get_id());
    EXPECT_EQ(heard.lastSource, timer.get());
}

// Dozes a while and records its deletion; a started thread deletes itself when it ends.
class DozingThread : public JovThread {
public:
    explicit DozingThread(bool& deleted) : JovThread("Dozing"), deleted(deleted) {}
    ~DozingThread() override { deleted = true; }
    void run() override { Sleep(200); }

private:
    bool& deleted;
};

TEST_F(JovTimerOnUiThreadTest, TheProgramsEndWaitsForThreadsStillFinishing) {
    bool deleted = false;
    (new DozingThread(deleted))->start();
    JovThread::awaitRunningThreads(5000);
    EXPECT_TRUE(deleted);
}
