// Print jobs: the mapping of label units for printer resolutions, failures of the platform calls,
// and label pictures written through the platform's PNG encoder.
#include "awt/windows/JovPrinterJob.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "awt/JovColor.h"
#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"
#include "awt/windows/JovPngPrinter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <gdiplus.h>

#include <memory>

namespace {

// Fills one inch square at (96, 96) label units in black.
class SquarePrintable : public JovPrintable {
public:
    int print(JovGraphics& graphics, int pageIndex) override {
        ++calls;
        graphics.setColor(JovColor(0, 0, 0));
        graphics.fillRect(96, 96, 96, 96);
        return pageIndex == 0 ? PAGE_EXISTS : NO_SUCH_PAGE;
    }
    int calls = 0;
};

// The 0xRRGGBB colour of a pixel of a PNG file, read back through GDI+.
class PngFile {
public:
    explicit PngFile(const std::wstring& path) {
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        Gdiplus::DllExports::GdipCreateBitmapFromFile(path.c_str(), &bitmap);
    }
    ~PngFile() {
        if (bitmap != nullptr) {
            Gdiplus::DllExports::GdipDisposeImage(bitmap);
        }
        Gdiplus::GdiplusShutdown(token);
    }
    bool isOpen() const { return bitmap != nullptr; }
    UINT width() const {
        UINT value = 0;
        Gdiplus::DllExports::GdipGetImageWidth(bitmap, &value);
        return value;
    }
    UINT height() const {
        UINT value = 0;
        Gdiplus::DllExports::GdipGetImageHeight(bitmap, &value);
        return value;
    }
    unsigned pixel(int x, int y) const {
        Gdiplus::ARGB color = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(bitmap, x, y, &color);
        return color & 0xFFFFFF;
    }

private:
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GpBitmap* bitmap = nullptr;
};

std::wstring wide(const std::string& path) {
    return std::wstring(path.begin(), path.end());
}

} // namespace

using JovPrinterJobTest = LiveObjectTest;

TEST_F(JovPrinterJobTest, LabelUnitsMapToOneNinetySixthInchAtEveryResolution) {
    const struct {
        int pixelsPerInch;
        int viewport;
        POINT labelCorner;
    } cases[] = {{96, 1000, {605, 454}},
                 {300, 3125, {1891, 1419}},
                 {600, 6250, {3781, 2838}},
                 {72, 750, {454, 341}}};
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& resolution : cases) {
        EXPECT_EQ(JovPrinterJob::viewportExtent(resolution.pixelsPerInch), resolution.viewport);
        const int previous =
            JovPrinterJob::mapLabelUnits(dc, resolution.pixelsPerInch, resolution.pixelsPerInch);
        SIZE window = {};
        SIZE viewport = {};
        GetWindowExtEx(dc, &window);
        GetViewportExtEx(dc, &viewport);
        POINT corner = {605, 454};
        LPtoDP(dc, &corner, 1);
        EXPECT_EQ(GetMapMode(dc), MM_ANISOTROPIC);
        EXPECT_EQ(window.cx, 1000);
        EXPECT_EQ(window.cy, 1000);
        EXPECT_EQ(viewport.cx, resolution.viewport);
        EXPECT_EQ(viewport.cy, resolution.viewport);
        EXPECT_EQ(corner.x, resolution.labelCorner.x);
        EXPECT_EQ(corner.y, resolution.labelCorner.y);
        SetMapMode(dc, previous);
        EXPECT_EQ(previous, MM_TEXT);
    }
    DeleteDC(dc);
}

TEST_F(JovPrinterJobTest, JobWithoutPrintableOrPrinterReportsWhatHappened) {
    SquarePrintable square;
    const std::unique_ptr<JovPrinterJob> job(JovPrinterJob::getPrinterJob());
    EXPECT_TRUE(job->print()) << "nothing to print is no failure";
    EXPECT_FALSE(job->hasFailed());
    job->setPrintable(&square);
    EXPECT_FALSE(job->print()) << "no printer chosen";
    EXPECT_TRUE(job->hasFailed());
    EXPECT_FALSE(job->selectPrinter("Kein solcher Drucker"));
    EXPECT_TRUE(job->hasFailed());
    EXPECT_EQ(square.calls, 0);
    EXPECT_STREQ(job->toString().chars(), "JovPrinterJob");
}

TEST_F(JovPrinterJobTest, PngPictureHoldsThePageAtItsResolution) {
    const TempFolder folder;
    SquarePrintable square;
    const std::string path = folder.file("etikett.png");
    ASSERT_TRUE(JovPngPrinter::write(square, JovDimension(605, 454), 300, path.c_str()));
    const PngFile picture(wide(path));
    ASSERT_TRUE(picture.isOpen());
    EXPECT_EQ(picture.width(), 1891u);
    EXPECT_EQ(picture.height(), 1419u);
    const struct {
        int x, y;
        unsigned color;
    } pixels[] = {{10, 10, 0xFFFFFF}, {310, 310, 0}, {610, 610, 0xFFFFFF}, {1880, 1400, 0xFFFFFF}};
    for (const auto& point : pixels) {
        EXPECT_EQ(picture.pixel(point.x, point.y), point.color) << point.x << "," << point.y;
    }
}

TEST_F(JovPrinterJobTest, PngPictureToAnUnwritablePlaceFails) {
    SquarePrintable square;
    const char* const places[] = {"Z:\\kein\\solcher\\ordner\\etikett.png", ""};
    for (const char* place : places) {
        EXPECT_FALSE(JovPngPrinter::write(square, JovDimension(605, 454), 300, place)) << place;
    }
    EXPECT_FALSE(JovPngPrinter::write(square, JovDimension(0, 454), 300, "etikett.png"));
}
