// The object root: reference counting, identity equality, the per-object lock and the
// live-object counter with its report.
#include "LiveObjectTest.h"

#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Records its own destruction so tests can see when the last holder let go.
class Probe : public JovObject {
public:
    explicit Probe(bool* destroyed) : destroyed(destroyed) {}
    ~Probe() override { *destroyed = true; }
    JovString toString() const override { return "probe"; }

private:
    bool* destroyed;
};

class Plain : public JovObject {
public:
    JovString toString() const override { return "plain"; }
};

} // namespace

class JovObjectTest : public LiveObjectTest {};

TEST_F(JovObjectTest, LastReleaseDeletesTheObject) {
    bool destroyed = false;
    auto* probe = new Probe(&destroyed);
    probe->addRef();
    probe->addRef();
    probe->release();
    EXPECT_FALSE(destroyed);
    probe->release();
    EXPECT_TRUE(destroyed);
}

TEST_F(JovObjectTest, ReleaseOfAnUnreferencedObjectDeletesIt) {
    bool destroyed = false;
    (new Probe(&destroyed))->release();
    EXPECT_TRUE(destroyed);
}

TEST_F(JovObjectTest, ConstructionAndDestructionMoveTheLiveCounter) {
    const int before = JovObject::liveObjectCount();
    {
        Plain first;
        Plain copy(first);
        EXPECT_EQ(JovObject::liveObjectCount(), before + 2);
    }
    EXPECT_EQ(JovObject::liveObjectCount(), before);
}

TEST_F(JovObjectTest, CopyStartsUnreferenced) {
    bool destroyed = false;
    Probe original(&destroyed);
    original.addRef();
    original.addRef();
    auto* copy = new Probe(original);
    copy->release();
    EXPECT_TRUE(destroyed);
}

TEST_F(JovObjectTest, EqualityIsIdentity) {
    Plain first;
    Plain second;
    EXPECT_TRUE(first.equals(&first));
    EXPECT_FALSE(first.equals(&second));
    EXPECT_FALSE(first.equals(nullptr));
    EXPECT_TRUE(first == first);
    EXPECT_FALSE(first == second);
    EXPECT_TRUE(first != second);
}

TEST_F(JovObjectTest, RootCloneIsNull) {
    Plain plain;
    EXPECT_EQ(plain.clone(), nullptr);
}

TEST_F(JovObjectTest, ReportStaysSilentWhileObjectsRemain) {
    JovObject::setReportEnabled(true);
    testing::internal::CaptureStdout();
    { Plain shortLived; }
    JovObject::setReportEnabled(false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// At process end the standard writers go last; with the report on, the counter reaching zero
// announces the clean heap. Standard output is joined to standard error so the death test sees it.
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
