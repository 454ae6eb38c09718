// A column's width never falls below its minimum, and only the three alignments are taken.
#include "awt/JovTableColumn.h"

#include "LiveObjectTest.h"

#include <gtest/gtest.h>

namespace {

class JovTableColumnTest : public LiveObjectTest {};

TEST_F(JovTableColumnTest, WidthNeverFallsBelowTheMinimumAndNegativeMinimumCountsAsZero) {
    JovTableColumn column("Art.-Nr.", 70);
    column.setMinWidth(80);
    EXPECT_EQ(column.getWidth(), 80);
    column.setMinWidth(40);
    column.setWidth(12);
    EXPECT_EQ(column.getWidth(), 40);
    column.setMinWidth(-5);
    EXPECT_EQ(column.getMinWidth(), 0);
    column.setWidth(0);
    EXPECT_EQ(column.getWidth(), 0);
}

TEST_F(JovTableColumnTest, UnknownAlignmentKeepsTheOldOne) {
    JovTableColumn column("Art.-Nr.");
    EXPECT_EQ(column.getAlignment(), JovTableColumn::LEFT);
    column.setAlignment(JovTableColumn::RIGHT);
    column.setAlignment(7);
    EXPECT_EQ(column.getAlignment(), JovTableColumn::RIGHT);
}

} // namespace
