// A print writer over no writer writes nothing. The "\r\n" lines of the standard writers, the
// only ones the program uses, are checked through the settings and the library's error lines.
#include "CapturedOutput.h"
#include "LiveObjectTest.h"

#include "io/JovPrintWriter.h"

#include <gtest/gtest.h>

using JovPrintWriterTest = LiveObjectTest;

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
