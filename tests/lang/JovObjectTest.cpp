// The object root: reference counting and the live-object counter with its report.
#include "DestructionProbe.h"
#include "LiveObjectTest.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

class JovObjectTest : public LiveObjectTest {};

TEST_F(JovObjectTest, LastReleaseDeletesTheObjectAlsoOneNobodyHeld) {
    bool destroyed = false;
    auto* probe = new DestructionProbe(&destroyed);
    probe->addRef();
    probe->addRef();
    probe->release();
    EXPECT_FALSE(destroyed);
    probe->release();
    EXPECT_TRUE(destroyed);
    bool unheldDestroyed = false;
    (new DestructionProbe(&unheldDestroyed))->release();
    EXPECT_TRUE(unheldDestroyed);
}

TEST_F(JovObjectTest, CopyStartsUnreferencedAndCountsAsLive) {
    bool destroyed = false;
    DestructionProbe original(&destroyed);
    original.addRef();
    const int before = JovObject::liveObjectCount();
    auto* copy = new DestructionProbe(original);
    EXPECT_EQ(JovObject::liveObjectCount(), before + 1);
    copy->release();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(JovObject::liveObjectCount(), before);
}

// Standard output is joined to standard error so the death test sees the report.
TEST(JovObjectReportDeathTest, ReportsTheCleanHeapAtProcessEnd) {
    EXPECT_EXIT(
        {
            std::fflush(stdout);
            dup2(fileno(stderr), fileno(stdout));
            JovObject::setReportEnabled(true);
            std::exit(0);
        },
        testing::ExitedWithCode(0), "Memory cleanup has been completed\\.");
}
