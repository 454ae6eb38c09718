// Borders: the empty border reports its four widths, the base reports none.
#include "awt/border/JovEmptyBorder.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

using JovEmptyBorderTest = LiveObjectTest;

TEST_F(JovEmptyBorderTest, InsetsAreTheFourWidthsAndTheBaseBorderTakesNoSpace) {
    const JovInsets expected(1, 2, 3, 4);
    const JovInsets none;
    EXPECT_TRUE(JovEmptyBorder(1, 2, 3, 4).getBorderInsets(nullptr).equals(&expected));
    EXPECT_TRUE(JovAbstractBorder().getBorderInsets(nullptr).equals(&none));
}

TEST_F(JovEmptyBorderTest, ABorderIsDeletedThroughItsInterface) {
    const int live = JovObject::liveObjectCount();
    JovBorder* border = new JovEmptyBorder(8, 8, 8, 8);
    EXPECT_EQ(JovObject::liveObjectCount(), live + 1);
    delete border;
    EXPECT_EQ(JovObject::liveObjectCount(), live);
}
