// Pixel storage of decoded images: black at start, 24-bit padded rows, safe outside the image.
#include "awt/windows/JovWImage.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

#include <string>

using JovWImageTest = LiveObjectTest;

TEST_F(JovWImageTest, NewImageIsBlackWithPaddedRowsAndEmptyForANegativeSize) {
    const JovWImage image(5, 3);
    EXPECT_EQ(image.getWidth(), 5);
    EXPECT_EQ(image.getHeight(), 3);
    EXPECT_EQ(image.getRowStride(), 16);
    EXPECT_EQ(JovImage::rowStride(4), 12);
    EXPECT_EQ(JovImage::rowStride(1), 4);
    const std::string bytes(reinterpret_cast<const char*>(image.getRows()), 16 * 3);
    EXPECT_EQ(bytes, std::string(16 * 3, '\0'));
    const JovWImage empty(-4, 3);
    EXPECT_EQ(empty.getWidth(), 0);
    EXPECT_EQ(empty.getRowStride(), 0);
}

TEST_F(JovWImageTest, OutsideTheImageReadsBlackAndWritesNothing) {
    JovWImage image(2, 2);
    const JovColor white(255, 255, 255);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            image.setPixel(x, y, white);
        }
    }
    const std::string before(reinterpret_cast<const char*>(image.getRows()), 16);
    image.setPixel(2, 0, JovColor());
    image.setPixel(-1, 0, JovColor());
    image.setPixel(0, 2, JovColor());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.getRows()), 16), before);
    EXPECT_EQ(image.getPixel(0, -1).getRed(), 0);
    EXPECT_EQ(image.getPixel(5, 5).getRed(), 0);
    EXPECT_EQ(image.row(2), nullptr);
    EXPECT_EQ(image.row(-1), nullptr);
}
