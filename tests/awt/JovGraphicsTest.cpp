// Drawing through GDI into a memory bitmap: rectangles, text, measurements under a transform,
// images, and the GDI objects the graphics own.
#include "awt/JovGraphics.h"
#include "InkMap.h"
#include "LiveObjectTest.h"
#include "TopDownBitmap.h"
#include "awt/JovColor.h"
#include "awt/geom/JovAffineTransform.h"
#include "awt/windows/JovWImage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int side = 64;
using namespace Ink;
constexpr int textSize = 20;
constexpr int normalWeight = 400;
const char* const textFace = "Arial";

using InkLines = std::vector<std::string>;

JovColor colorOf(std::uint32_t rgb) {
    return JovColor(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

} // namespace

// A 64 x 64 top-down 32-bit DIB section selected into a memory DC, white at the start.
class JovGraphicsTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        dc = CreateCompatibleDC(nullptr);
        const BITMAPINFO info = topDownBitmapInfo(side, side);
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits),
                                  nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        previousBitmap = SelectObject(dc, bitmap);
        std::memset(bits, 0xFF, side * side * sizeof *bits);
    }

    void TearDown() override {
        SelectObject(dc, previousBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
        LiveObjectTest::TearDown();
    }

    // 0xRRGGBB of the pixel at (x, y).
    std::uint32_t pixel(int x, int y) const {
        GdiFlush();
        return bits[y * side + x] & 0xFFFFFF;
    }

    bool inked(int x, int y) const { return pixel(x, y) != white; }

    std::vector<std::string> inkAt(int left, int top, int width, int height) const {
        return inkMap([this](int x, int y) { return pixel(x, y); }, left, top, width, height);
    }

    // The lowest (or highest) row with ink in it, or -1 (side) on a blank bitmap.
    int inkedRow(bool lowest) const {
        for (int row = 0; row < side; ++row) {
            const int y = lowest ? side - 1 - row : row;
            for (int x = 0; x < side; ++x) {
                if (inked(x, y)) {
                    return y;
                }
            }
        }
        return lowest ? -1 : side;
    }

    int lowestInkedRow() const { return inkedRow(true); }
    int highestInkedRow() const { return inkedRow(false); }

    void clear() {
        GdiFlush();
        std::memset(bits, 0xFF, side * side * sizeof *bits);
    }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    std::uint32_t* bits = nullptr;
};

TEST_F(JovGraphicsTest, FillAndOutlineCoverTheSamePixelsZeroToNine) {
    JovGraphics graphics(dc);
    graphics.setColor(colorOf(red));
    graphics.fillRect(0, 0, 10, 10);
    EXPECT_EQ(inkAt(0, 0, 12, 12), (InkLines{"10x 10R2.", "2x 12."}));
    clear();
    graphics.setColor(colorOf(blue));
    graphics.drawRect(0, 0, 10, 10);
    EXPECT_EQ(inkAt(0, 0, 12, 12), (InkLines{"10B2.", "8x B8.B2.", "10B2.", "2x 12."}));
}

TEST_F(JovGraphicsTest, CoordinatesRoundHalfUpToDevicePixels) {
    JovGraphics graphics(dc);
    graphics.setColor(colorOf(red));
    // 10.5 and 12.5 round up to 11 and 13, so the fill covers pixels 11 and 12.
    graphics.fillRect(10.5, 0, 2, 1);
    EXPECT_EQ(inkAt(10, 0, 4, 2), (InkLines{".2R.", "4."}));
}

TEST_F(JovGraphicsTest, TransformScalesAndMovesRectangles) {
    JovGraphics graphics(dc);
    JovAffineTransform transform = JovAffineTransform::getTranslateInstance(5, 5);
    transform.scale(2, 2);
    graphics.setTransform(transform);
    graphics.setColor(colorOf(green));
    graphics.fillRect(0, 0, 10, 10);
    EXPECT_EQ(inkAt(4, 4, 22, 22), (InkLines{"22.", "20x .20G.", "22."}));
}

TEST_F(JovGraphicsTest, MeasurementsStayTheSameUnderAScaleOfTwo) {
    const char* const texts[] = {"H", "Zutaten:", "Füllmenge:", "Fleischeinwaage:",
                                 "Zutaten: Hähnchenbrust (40%), Reis, Erbsen, Möhren"};
    for (const int size : {14, 18, 32}) {
        for (const char* text : texts) {
            int width = 0;
            int height = 0;
            {
                JovGraphics screen(dc);
                screen.setFont(textFace, normalWeight, size);
                width = screen.stringWidth(text);
                height = screen.stringHeight(text);
            }
            JovGraphics paper(dc);
            paper.setTransform(JovAffineTransform::getScaleInstance(2, 2));
            paper.setFont(textFace, normalWeight, size);
            EXPECT_EQ(paper.stringWidth(text), width) << text << " at " << size;
            EXPECT_EQ(paper.stringHeight(text), height) << text << " at " << size;
            EXPECT_GT(width, 0);
            EXPECT_GE(height, size - 2);
        }
    }
}

TEST_F(JovGraphicsTest, TextIsDrawnAtTheScaledSizeOnTheScaledBaseline) {
    int identityHeight = 0;
    {
        JovGraphics screen(dc);
        screen.setFont(textFace, normalWeight, textSize);
        screen.drawString("H", 2, 25);
        identityHeight = lowestInkedRow() - highestInkedRow() + 1;
    }
    clear();
    JovGraphics paper(dc);
    paper.setTransform(JovAffineTransform::getScaleInstance(2, 2));
    paper.setFont(textFace, normalWeight, textSize);
    paper.drawString("H", 1, 25);
    EXPECT_EQ(lowestInkedRow(), 49);
    const int scaledHeight = lowestInkedRow() - highestInkedRow() + 1;
    EXPECT_NEAR(scaledHeight, 2 * identityHeight, 2);
}

TEST_F(JovGraphicsTest, DrawImageStretchesTopRowFirstInItsColoursThroughTheTransform) {
    JovWImage image(2, 2);
    image.setPixel(0, 0, colorOf(red));
    image.setPixel(1, 0, colorOf(green));
    image.setPixel(0, 1, colorOf(blue));
    image.setPixel(1, 1, colorOf(yellow));
    JovGraphics graphics(dc);
    graphics.drawImage(&image, 10, 10, 20, 20);
    EXPECT_EQ(inkAt(9, 9, 22, 22), (InkLines{"22.", "10x .10R10G.", "10x .10B10Y.", "22."}));
    clear();
    // The transform scales position and size alike.
    graphics.setTransform(JovAffineTransform::getScaleInstance(2, 2));
    graphics.drawImage(&image, 5, 5, 10, 10);
    EXPECT_EQ(inkAt(9, 9, 22, 22), (InkLines{"22.", "10x .10R10G.", "10x .10B10Y.", "22."}));
}

TEST_F(JovGraphicsTest, DestructionHandsTheStockObjectsBackAndDeletesItsOwn) {
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    {
        JovGraphics graphics(dc);
        graphics.setColor(colorOf(red));
        graphics.setFont(textFace, normalWeight, textSize);
        pen = GetCurrentObject(dc, OBJ_PEN);
        brush = GetCurrentObject(dc, OBJ_BRUSH);
        font = GetCurrentObject(dc, OBJ_FONT);
        EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
        EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(NULL_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(ANSI_VAR_FONT));
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(JovGraphicsTest, WithoutAContextNothingIsDrawnAndAReattachedOneKeepsTheColour) {
    JovGraphics graphics;
    graphics.setColor(colorOf(red));
    graphics.setFont(textFace, normalWeight, textSize);
    graphics.fillRect(0, 0, 10, 10);
    graphics.drawString("Text", 0, 20);
    graphics.drawImage(nullptr, 0, 0, 10, 10);
    EXPECT_EQ(graphics.stringWidth("Text"), 0);
    EXPECT_EQ(graphics.getDeviceContext(), nullptr);
    EXPECT_EQ(lowestInkedRow(), -1);
    graphics.setDeviceContext(dc);
    graphics.setColor(colorOf(green));
    graphics.setDeviceContext(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(NULL_BRUSH));
    graphics.fillRect(0, 0, 10, 10);
    EXPECT_EQ(inkAt(0, 0, 10, 10), (InkLines{"10x 10."}));
    graphics.setDeviceContext(dc);
    graphics.fillRect(0, 0, 10, 10);
    EXPECT_EQ(inkAt(0, 0, 10, 10), (InkLines{"10x 10G"}));
}
