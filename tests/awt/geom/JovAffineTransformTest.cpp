// The affine transform of the drawing code: identity at start, scaling and translating in the
// mirrored library's order, and value semantics.
#include "awt/geom/JovAffineTransform.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

#include <memory>

using JovAffineTransformTest = LiveObjectTest;

TEST_F(JovAffineTransformTest, StartsAsAndCanBeResetToTheIdentity) {
    const JovAffineTransform transform;
    EXPECT_TRUE(transform.isIdentity());
    const JovAffineTransform::Point point = transform.transform(12.5, -3.0);
    EXPECT_DOUBLE_EQ(point.x, 12.5);
    EXPECT_DOUBLE_EQ(point.y, -3.0);
    JovAffineTransform changed(2.0, 0.5, 0.25, 3.0, 10.0, 20.0);
    EXPECT_FALSE(changed.isIdentity());
    changed.setToIdentity();
    EXPECT_TRUE(changed.isIdentity());
}

TEST_F(JovAffineTransformTest, CoefficientsKeepTheirOrder) {
    const JovAffineTransform transform(2.0, 0.5, 0.25, 3.0, 10.0, 20.0);
    EXPECT_DOUBLE_EQ(transform.getScaleX(), 2.0);
    EXPECT_DOUBLE_EQ(transform.getShearY(), 0.5);
    EXPECT_DOUBLE_EQ(transform.getTranslateY(), 20.0);
    // x' = 2 * 4 + 0.25 * 8 + 10, y' = 0.5 * 4 + 3 * 8 + 20
    const JovAffineTransform::Point point = transform.transform(4.0, 8.0);
    EXPECT_DOUBLE_EQ(point.x, 20.0);
    EXPECT_DOUBLE_EQ(point.y, 46.0);
}

TEST_F(JovAffineTransformTest, LaterStepsApplyToThePointFirst) {
    JovAffineTransform transform;
    transform.translate(10.0, 0.0);
    transform.scale(2.0, 2.0);
    // The point is scaled to (2, 2), then moved by 10.
    const JovAffineTransform::Point point = transform.transform(1.0, 1.0);
    EXPECT_DOUBLE_EQ(point.x, 12.0);
    EXPECT_DOUBLE_EQ(point.y, 2.0);
    EXPECT_DOUBLE_EQ(transform.getScaleX(), 2.0);
    EXPECT_DOUBLE_EQ(transform.getTranslateX(), 10.0);
}

TEST_F(JovAffineTransformTest, ConcatenatingARotationComposesTheMatrices) {
    // A quarter turn: (1, 0) goes to (0, 1).
    const JovAffineTransform quarterTurn(0.0, 1.0, -1.0, 0.0, 0.0, 0.0);
    JovAffineTransform transform = JovAffineTransform::getTranslateInstance(100.0, 0.0);
    transform.concatenate(quarterTurn);
    const JovAffineTransform::Point point = transform.transform(1.0, 0.0);
    EXPECT_DOUBLE_EQ(point.x, 100.0);
    EXPECT_DOUBLE_EQ(point.y, 1.0);
}

TEST_F(JovAffineTransformTest, CopiesAndClonesAreEqualValues) {
    const JovAffineTransform original(2.0, 0.0, 0.0, 2.0, 1.0, 1.0);
    const JovAffineTransform copy(original);
    const std::unique_ptr<JovObject> clone(original.clone());
    EXPECT_TRUE(copy.equals(&original));
    EXPECT_TRUE(clone->equals(&original));
    const JovAffineTransform moved(2.0, 0.0, 0.0, 2.0, 1.0, 2.0);
    EXPECT_FALSE(moved.equals(&original));
    EXPECT_FALSE(original.equals(nullptr));
}
