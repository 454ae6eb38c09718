// Borders: the empty border reports its four widths, the base reports none.
#include "awt/border/JovEmptyBorder.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

using JovEmptyBorderTest = LiveObjectTest;

TEST_F(JovEmptyBorderTest, InsetsAreTheFourWidthsInTopLeftBottomRightOrder) {
    const JovEmptyBorder border(1, 2, 3, 4);
    const JovInsets insets = border.getBorderInsets(nullptr);
    EXPECT_EQ(insets.top, 1);
    EXPECT_EQ(insets.left, 2);
    EXPECT_EQ(insets.bottom, 3);
    EXPECT_EQ(insets.right, 4);
}

TEST_F(JovEmptyBorderTest, TheBaseBorderTakesNoSpace) {
    const JovAbstractBorder border;
    const JovInsets insets = border.getBorderInsets(nullptr);
    EXPECT_EQ(insets.top + insets.left + insets.bottom + insets.right, 0);
}

TEST_F(JovEmptyBorderTest, ABorderIsDeletedThroughItsInterface) {
    const int live = JovObject::liveObjectCount();
    JovBorder* border = new JovEmptyBorder(8, 8, 8, 8);
    EXPECT_EQ(JovObject::liveObjectCount(), live + 1);
    delete border;
    EXPECT_EQ(JovObject::liveObjectCount(), live);
}
