// Rectangle containment at the far edges and colour components clamped to bytes.
#include "LiveObjectTest.h"
#include "awt/JovColor.h"
#include "awt/JovRectangle.h"

#include <gtest/gtest.h>

using GeometryTest = LiveObjectTest;

TEST_F(GeometryTest, RectangleContainsItsTopLeftButNotItsFarEdges) {
    const JovRectangle bounds(10, 20, 5, 5);
    EXPECT_TRUE(bounds.contains(10, 20));
    EXPECT_TRUE(bounds.contains(14, 24));
    EXPECT_FALSE(bounds.contains(15, 24));
    EXPECT_FALSE(bounds.contains(14, 25));
    EXPECT_FALSE(bounds.contains(9, 20));
}

TEST_F(GeometryTest, ColourComponentsAreClampedToBytes) {
    const JovColor color(300, -5, 128);
    EXPECT_EQ(color.getRed(), 255);
    EXPECT_EQ(color.getGreen(), 0);
    EXPECT_EQ(color.getBlue(), 128);
    EXPECT_EQ(color.getAlpha(), JovColor::opaque);
}
