// The reference holder: it keeps its object alive exactly as long as some holder has it, through
// copies, moves, swaps to the same or another object and self-assignment.
#include "DestructionProbe.h"
#include "LiveObjectTest.h"

#include "lang/JovReference.h"

#include <gtest/gtest.h>

using Held = JovReference<JovObject>;

class JovReferenceTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        probe = new DestructionProbe(&gone);
    }

    bool gone = false;
    JovObject* probe = nullptr;
};

TEST_F(JovReferenceTest, LastHolderOfCopiesAndMovesDeletesTheObject) {
    {
        Held first(probe);
        Held copy(first);
        Held moved(std::move(first));
        EXPECT_EQ(first.get(), nullptr);
        copy = Held();
        EXPECT_FALSE(gone);
        Held target;
        target = std::move(moved);
        target = std::move(target);
        EXPECT_FALSE(gone);
        EXPECT_EQ(target.get(), probe);
    }
    EXPECT_TRUE(gone);
}

TEST_F(JovReferenceTest, SwappingKeepsAnObjectReachableOnlyThroughTheOldOne) {
    Held holder(probe);
    holder.reset(probe);
    const Held& same = holder;
    holder = same;
    EXPECT_FALSE(gone);
    bool secondGone = false;
    holder.reset(new DestructionProbe(&secondGone));
    EXPECT_TRUE(gone);
    holder.reset();
    EXPECT_TRUE(secondGone);
    EXPECT_FALSE(holder);
}
