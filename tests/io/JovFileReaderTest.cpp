// Reading real files: closing, and the missing-file exception.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFile.h"
#include "io/JovFileReader.h"
#include "lang/JovFileNotFoundException.h"

#include <gtest/gtest.h>
#include <string>

class JovFileReaderTest : public LiveObjectTest {
protected:
    JovString pathOf(const char* name) const { return folder.file(name).c_str(); }

    TempFolder folder;
};

TEST_F(JovFileReaderTest, MissingFileThrowsWithThePath) {
    const JovString missing = pathOf("missing.pro");
    try {
        JovFileReader reader(missing);
        FAIL() << "opening a missing file must throw";
    } catch (const JovFileNotFoundException& e) {
        EXPECT_EQ(e.getMessage(), JovFile(missing).getPath());
    }
}

TEST_F(JovFileReaderTest, AClosedReaderIsAtTheEndAndClosesAgainHarmlessly) {
    folder.write("text.txt", "abcdef");
    JovFileReader reader(pathOf("text.txt"));
    EXPECT_EQ(reader.read(), 'a');
    reader.close();
    reader.close();
    EXPECT_EQ(reader.read(), -1);
}
