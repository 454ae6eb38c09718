// Threads: the running-thread list that lets a started thread delete itself,
// sleeps that a wake cuts short on a JovThread and not on the UI thread, and cancelling by join.
#include "awt/windows/JovThread.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Signals when it starts, then does what the test asks of it.
class Work : public JovRunnable {
public:
    Work() : started(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Work() override { CloseHandle(started); }

    void run() override {
        current = JovThread::currentThread();
        threadId = GetCurrentThreadId();
        SetEvent(started);
        if (sleepMilliseconds >= 0) {
            const Clock::time_point start = Clock::now();
            JovThread::sleep(sleepMilliseconds);
            slept = millisecondsSince(start);
        }
        if (blockOn != nullptr) {
            WaitForSingleObject(blockOn, INFINITE);
        }
        ran = true;
    }

    bool waitUntilStarted() const { return WaitForSingleObject(started, 5000) == WAIT_OBJECT_0; }

    HANDLE started;
    HANDLE blockOn = nullptr;
    int sleepMilliseconds = -1;
    volatile long long slept = -1;
    volatile bool ran = false;
    JovThread* volatile current = nullptr;
    volatile DWORD threadId = 0;
};

// Tells when the thread object is deleted.
class WatchedThread : public JovThread {
public:
    WatchedThread(JovRunnable* target, HANDLE deleted)
        : JovThread(target, "Beobachtet"), deleted(deleted) {}
    ~WatchedThread() override { SetEvent(deleted); }

private:
    HANDLE deleted;
};

} // namespace

using JovThreadTest = LiveObjectTest;

TEST_F(JovThreadTest, AThreadNobodyHoldsDeletesItselfWhenItEnds) {
    Work work;
    HANDLE deleted = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    (new WatchedThread(&work, deleted))->start();
    ASSERT_TRUE(work.waitUntilStarted());
    HANDLE native = OpenThread(SYNCHRONIZE, FALSE, work.threadId);
    EXPECT_EQ(WaitForSingleObject(deleted, 5000), WAIT_OBJECT_0);
    EXPECT_TRUE(work.ran);
    // The object is deleted on its own thread; the count settles when that thread has ended. A
    // thread that ended before it could be opened has no handle left to wait for.
    if (native != nullptr) {
        EXPECT_EQ(WaitForSingleObject(native, 5000), WAIT_OBJECT_0);
        CloseHandle(native);
    }
    CloseHandle(deleted);
}

TEST_F(JovThreadTest, JoiningBeforeStartCancelsTheThread) {
    Work work;
    auto* thread = new JovThread(&work);
    thread->addRef();
    thread->join();
    thread->start();
    Sleep(50);
    EXPECT_FALSE(work.ran);
    EXPECT_FALSE(thread->isRunning());
    thread->release();
}

TEST_F(JovThreadTest, SleepOnTheUiThreadBlocksTheWholeTimeUnlessNegative) {
    Clock::time_point start = Clock::now();
    JovThread::sleep(100);
    EXPECT_GE(millisecondsSince(start), 95);
    EXPECT_EQ(JovThread::currentThread(), nullptr);
    start = Clock::now();
    JovThread::sleep(-1000);
    EXPECT_LT(millisecondsSince(start), 50);
}

TEST_F(JovThreadTest, WakingAJovThreadCutsItsSleepShortAndOnlyThen) {
    for (const bool woken : {true, false}) {
        SCOPED_TRACE(woken ? "woken" : "not woken");
        Work work;
        work.sleepMilliseconds = woken ? 5000 : 100;
        auto* thread = new JovThread(&work);
        thread->addRef();
        thread->start();
        ASSERT_TRUE(work.waitUntilStarted());
        if (woken) {
            Sleep(50);
            thread->wake();
        }
        thread->join();
        EXPECT_GE(work.slept, woken ? 0 : 95);
        EXPECT_LT(work.slept, 1000);
        thread->release();
    }
}

TEST_F(JovThreadTest, ReleasingARunningThreadLeavesItRunningUntilItEnds) {
    Work work;
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    work.blockOn = release;
    auto* thread = new JovThread(&work);
    thread->addRef();
    thread->start();
    ASSERT_TRUE(work.waitUntilStarted());
    HANDLE native = OpenThread(SYNCHRONIZE, FALSE, work.threadId);
    // The running-thread list still holds it.
    thread->release();
    EXPECT_EQ(WaitForSingleObject(native, 100), static_cast<DWORD>(WAIT_TIMEOUT));
    SetEvent(release);
    EXPECT_EQ(WaitForSingleObject(native, 5000), WAIT_OBJECT_0);
    EXPECT_TRUE(work.ran);
    CloseHandle(native);
    CloseHandle(release);
}

TEST_F(JovThreadTest, DeletingARunningThreadTerminatesIt) {
    Work work;
    HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    work.blockOn = never;
    auto* thread = new JovThread(&work, "Blockiert");
    thread->start();
    ASSERT_TRUE(work.waitUntilStarted());
    HANDLE native = OpenThread(SYNCHRONIZE, FALSE, work.threadId);
    delete thread;
    EXPECT_EQ(WaitForSingleObject(native, 5000), WAIT_OBJECT_0);
    EXPECT_FALSE(work.ran);
    EXPECT_EQ(JovThread::currentThread(), nullptr);
    CloseHandle(native);
    CloseHandle(never);
}
