// Print jobs: the mapping of label units for printer resolutions, failures of the platform calls,
// and label pictures that cannot be written.
#include "awt/windows/JovPrinterJob.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "awt/JovColor.h"
#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"
#include "awt/windows/JovPngPrinter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

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
}

// The picture's content and size are checked through the label text tool; here its failures.
TEST_F(JovPrinterJobTest, PngPictureThatCannotBeWrittenFails) {
    SquarePrintable square;
    const TempFolder folder;
    const struct {
        std::string path;
        int width;
        bool written;
    } cases[] = {{folder.file("etikett.png"), 605, true},
                 {"Z:\\kein\\solcher\\ordner\\etikett.png", 605, false},
                 {"", 605, false},
                 {folder.file("leer.png"), 0, false}};
    for (const auto& picture : cases) {
        EXPECT_EQ(JovPngPrinter::write(square, JovDimension(picture.width, 454), 300,
                                       picture.path.c_str()),
                  picture.written)
            << picture.path;
    }
}
