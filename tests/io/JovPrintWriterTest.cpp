// Print writers: texts and "\r\n" lines to files and to the standard streams.
#include "CapturedOutput.h"
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
    EXPECT_EQ(outputOf([&] {
                  writer.println("nirgends");
                  writer.print(static_cast<const char*>(nullptr));
                  writer.flush();
                  writer.close();
              }),
              "");
}

TEST_F(JovPrintWriterTest, StandardWritersExistOnceAndEndLinesInCarriageReturnLineFeed) {
    EXPECT_EQ(&JovPrintWriter::standardOutput(), &JovPrintWriter::standardOutput());
    EXPECT_EQ(errorsOf([] { JovPrintWriter::standardError().println("Fehlerzeile"); }),
              "Fehlerzeile\r\n");
    EXPECT_EQ(outputOf([] {
                  JovPrintWriter::standardOutput().println(JovString("JovException: kaputt"));
                  JovPrintWriter::standardOutput().flush();
              }),
              "JovException: kaputt\r\n");
}
