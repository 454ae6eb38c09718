// Print jobs: failures of the platform calls. The mapping of label units and the label picture,
// also one that cannot be written, are checked through the label text tool.
#include "awt/windows/JovPrinterJob.h"
#include "LiveObjectTest.h"
#include "awt/JovColor.h"
#include "awt/JovGraphics.h"
#include "awt/JovPrintable.h"

#include <gtest/gtest.h>

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
