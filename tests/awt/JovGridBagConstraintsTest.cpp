// The defaults and copies of grid-bag constraints.
#include "LiveObjectTest.h"

#include "awt/JovGridBagConstraints.h"

#include <memory>

using JovGridBagConstraintsTest = LiveObjectTest;

TEST_F(JovGridBagConstraintsTest, DefaultsPlaceOneCellRelativelyInTheCentre) {
    const JovGridBagConstraints constraints;
    EXPECT_EQ(constraints.gridx, -1);
    EXPECT_EQ(constraints.gridy, -1);
    EXPECT_EQ(constraints.gridwidth, 1);
    EXPECT_EQ(constraints.gridheight, 1);
    EXPECT_EQ(constraints.weightx, 0.0);
    EXPECT_EQ(constraints.weighty, 0.0);
    EXPECT_EQ(constraints.anchor, 10);
    EXPECT_EQ(constraints.fill, 0);
    const JovInsets none;
    EXPECT_TRUE(constraints.insets.equals(&none));
    EXPECT_EQ(constraints.ipadx, 0);
    EXPECT_EQ(constraints.ipady, 0);
}

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
