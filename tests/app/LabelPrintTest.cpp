// "Drucken" through the print dialog and spooler into the PDF printer's folder: confirmed,
// cancelled and by printer name, and the error box of a printer that cannot be opened.
#include "MessageBoxAnswerer.h"
#include "ToolkitTest.h"
#include "app/GageView.h"
#include "awt/JovFrame.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

// Wine's own print dialog, in the prefix's language.
constexpr const char* printDialogTitle = "Print";
constexpr const char* errorTitle = "Druckfehler...";
constexpr int spoolWaitPolls = 200;

// The PDF printer's folder for this user, as Wine sees the Unix home folder.
std::filesystem::path pdfFolder() {
    const char* home = std::getenv("HOME");
    return std::filesystem::path("Z:") / (home != nullptr ? home : "/root") / "PDF";
}

std::set<std::filesystem::path> pdfFiles() {
    std::set<std::filesystem::path> files;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(pdfFolder(), ignored)) {
        if (entry.path().extension() == ".pdf") {
            files.insert(entry.path());
        }
    }
    return files;
}

} // namespace

class LabelPrintTest : public ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        frame = new JovFrame("Etikett drucken");
        view = new GageView();
        view->setMenuName("Hähnchenbrust in Rahmsauce");
        view->setIngredientList("Hähnchenbrust, Reis, Sahne");
        frame->add(view, JovString("Center"));
        frame->pack();
        frame->show();
        pumpFor(50);
    }

    void TearDown() override {
        frame->dispose();
        ToolkitTest::TearDown();
    }

    JovFrame* frame = nullptr;
    GageView* view = nullptr;
};

TEST_F(LabelPrintTest, ConfirmedDialogPrintsTheLabelAsPdf) {
    const std::set<std::filesystem::path> before = pdfFiles();
    MessageBoxAnswerer printDialog(printDialogTitle, IDOK);
    view->printView();
    ASSERT_TRUE(printDialog.answered());
    std::filesystem::path printed;
    for (int poll = 0; poll < spoolWaitPolls && printed.empty(); ++poll) {
        pumpFor(100);
        for (const auto& file : pdfFiles()) {
            if (before.count(file) == 0 && std::filesystem::file_size(file) > 0) {
                printed = file;
            }
        }
    }
    ASSERT_FALSE(printed.empty()) << "no new PDF in " << pdfFolder();
    std::ifstream pdf(printed, std::ios::binary);
    std::string start(4, '\0');
    pdf.read(start.data(), 4);
    EXPECT_EQ(start, "%PDF");
    // The checking script reads the texts of the newest label from this line.
    std::cout << "printed label: " << printed.string() << std::endl;
}

TEST_F(LabelPrintTest, CancelledDialogPrintsNothingAndSaysNothing) {
    const std::set<std::filesystem::path> before = pdfFiles();
    MessageBoxAnswerer printDialog(printDialogTitle, IDCANCEL);
    view->printView();
    ASSERT_TRUE(printDialog.answered());
    MessageBoxAnswerer error(errorTitle, IDOK);
    EXPECT_FALSE(error.answered());
    EXPECT_EQ(pdfFiles(), before);
}

TEST_F(LabelPrintTest, PrinterThatCannotBeOpenedGivesTheErrorBox) {
    const std::set<std::filesystem::path> before = pdfFiles();
    MessageBoxAnswerer error(errorTitle, IDOK);
    view->printOn("Entfernter Drucker");
    ASSERT_TRUE(error.answered());
    EXPECT_NE(error.text().find("Das Etikett wurde nicht gedruckt."), std::string::npos);
    EXPECT_EQ(pdfFiles(), before);
}

TEST_F(LabelPrintTest, NamedPrinterPrintsWithoutAsking) {
    const std::set<std::filesystem::path> before = pdfFiles();
    MessageBoxAnswerer error(errorTitle, IDOK);
    view->printOn("PDF");
    EXPECT_FALSE(error.answered());
    EXPECT_TRUE(pumpUntil([&] { return pdfFiles().size() > before.size(); }, 20000));
}
