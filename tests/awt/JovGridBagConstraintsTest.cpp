// Copies of grid-bag constraints.
#include "LiveObjectTest.h"

#include "awt/JovGridBagConstraints.h"

#include <memory>

using JovGridBagConstraintsTest = LiveObjectTest;

TEST_F(JovGridBagConstraintsTest, CloneIsAnIndependentCopy) {
    JovGridBagConstraints original(1, 2, 3, 4, 0.5, 0.25, JovGridBagConstraints::EAST,
                                   JovGridBagConstraints::BOTH, JovInsets(5, 6, 7, 8), 9, 10);
    const std::unique_ptr<JovGridBagConstraints> copy(
        static_cast<JovGridBagConstraints*>(original.clone()));
    original.gridx = 0;
    original.insets.top = 0;
    EXPECT_EQ(copy->gridx, 1);
    EXPECT_EQ(copy->gridheight, 4);
    EXPECT_EQ(copy->weighty, 0.25);
    EXPECT_EQ(copy->anchor, JovGridBagConstraints::EAST);
    EXPECT_EQ(copy->fill, JovGridBagConstraints::BOTH);
    EXPECT_EQ(copy->insets.top, 5);
    EXPECT_EQ(copy->ipady, 10);
}
