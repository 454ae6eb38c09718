// Test entry: the process runs in the German locale like the program, and the process-wide
// writers exist before the first test so that they do not count as a test's live objects.
#include "io/JovPrintWriter.h"
#include "lang/JovPlatform.h"

#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, JovPlatform::germanLocaleName());
    JovPrintWriter::standardOutput();
    JovPrintWriter::standardError();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
