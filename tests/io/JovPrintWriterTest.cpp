// Print writers: texts and "\r\n" lines to files and to the standard streams.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFileWriter.h"
#include "io/JovPrintWriter.h"

#include <gtest/gtest.h>
#include <string>

class JovPrintWriterTest : public LiveObjectTest {
protected:
    TempFolder folder;
};

TEST_F(JovPrintWriterTest, PrintlnEndsTheLineWithCarriageReturnAndLineFeed) {
    JovPrintWriter writer(JovFileWriter(folder.file("lines.txt").c_str()));
    writer.println("# Kalvenora, General settings");
    writer.print("PASSWORD=");
    writer.println(JovString("geheim"));
    writer.print(JovString("ohne Ende"));
    writer.close();
    EXPECT_EQ(folder.read("lines.txt"),
              "# Kalvenora, General settings\r\nPASSWORD=geheim\r\nohne Ende");
}

TEST_F(JovPrintWriterTest, PrintWriterOverNoWriterWritesNothing) {
    JovPrintWriter writer;
    testing::internal::CaptureStdout();
    writer.println("nirgends");
    writer.print(static_cast<const char*>(nullptr));
    writer.flush();
    writer.close();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(JovPrintWriterTest, StandardWritersExistOnceAndEndLinesInCarriageReturnLineFeed) {
    EXPECT_EQ(&JovPrintWriter::standardOutput(), &JovPrintWriter::standardOutput());
    testing::internal::CaptureStderr();
    JovPrintWriter::standardError().println("Fehlerzeile");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Fehlerzeile\r\n");
    testing::internal::CaptureStdout();
    JovPrintWriter::standardOutput().println(JovString("JovException: kaputt"));
    JovPrintWriter::standardOutput().flush();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "JovException: kaputt\r\n");
    EXPECT_STREQ(JovPrintWriter::standardError().toString().chars(), "ool.io.JovPrintWriter");
}

TEST_F(JovPrintWriterTest, CloneWritesToTheSameFile) {
    auto* writer = new JovPrintWriter(JovFileWriter(folder.file("clone.txt").c_str()));
    JovPrintWriter* clone = writer->clone();
    writer->print("eins ");
    delete writer;
    clone->println("zwei");
    clone->close();
    delete clone;
    EXPECT_EQ(folder.read("clone.txt"), "eins zwei\r\n");
}
