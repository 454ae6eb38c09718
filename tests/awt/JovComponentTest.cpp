// The component's ownership of its border.
#include "awt/JovComponent.h"
#include "DestructionProbe.h"
#include "LiveObjectTest.h"
#include "awt/border/JovEmptyBorder.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

using FlaggedBorder = DestructionProbeOf<JovEmptyBorder>;

class JovComponentTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        component.reset(new JovComponent);
    }
    void TearDown() override {
        component.reset();
        LiveObjectTest::TearDown();
    }

    JovReference<JovComponent> component;
};

TEST_F(JovComponentTest, TheBorderGivesTheInsetsAndReplacingItDeletesTheOldOne) {
    bool firstDeleted = false;
    bool secondDeleted = false;
    component->setBorder(new FlaggedBorder(&firstDeleted, 1, 2, 3, 4));
    // Without a peer the insets are the border's.
    EXPECT_STREQ(component->getInsets().toString().chars(), "JovInsets [1, 2, 3, 4]");
    component->setBorder(new FlaggedBorder(&secondDeleted, 1, 2, 3, 4));
    EXPECT_TRUE(firstDeleted);
    EXPECT_FALSE(secondDeleted);
    component->setBorder(nullptr);
    EXPECT_TRUE(secondDeleted);
}
