// Print jobs: failures of the platform calls and label pictures that cannot be written. The
// mapping of label units is checked through the 300 dpi picture of the label text tool.
#include "awt/windows/JovPrinterJob.h"
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "awt/JovColor.h"
#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"
#include "awt/windows/JovPngPrinter.h"

#include <gtest/gtest.h>

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
