// The scope lock: mutual exclusion between threads and re-entry from the same thread.
#include "LiveObjectTest.h"

#include "lang/JovStringBuffer.h"
#include "lang/JovSynchronized.h"

#include <gtest/gtest.h>
#include <thread>

class JovSynchronizedTest : public LiveObjectTest {};

TEST_F(JovSynchronizedTest, ExcludesOtherThreads) {
    constexpr int rounds = 20000;
    JovStringBuffer guarded;
    int counter = 0;
    auto work = [&] {
        for (int i = 0; i < rounds; ++i) {
            JovSynchronized guard(&guarded);
            const int seen = counter;
            std::this_thread::yield();
            counter = seen + 1;
        }
    };
    std::thread first(work);
    std::thread second(work);
    first.join();
    second.join();
    EXPECT_EQ(counter, 2 * rounds);
}

// A lock taken twice by one thread is free for others once both scopes end.
TEST_F(JovSynchronizedTest, SameThreadMayLockAgainAndNullIsIgnored) {
    JovStringBuffer guarded;
    {
        JovSynchronized outer(&guarded);
        JovSynchronized inner(&guarded);
        const JovSynchronized nothing(nullptr);
    }
    bool entered = false;
    std::thread([&] {
        JovSynchronized guard(&guarded);
        entered = true;
    }).join();
    EXPECT_TRUE(entered);
}
