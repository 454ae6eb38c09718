// Reading real files: mark, reset, skip and close, and the missing-file exception.
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

TEST_F(JovFileReaderTest, MarkResetSkipReadyAndClose) {
    folder.write("mark.txt", "abcdef");
    JovFileReader reader(pathOf("mark.txt"));
    EXPECT_TRUE(reader.ready());
    reader.read();
    reader.mark(0);
    EXPECT_EQ(reader.skip(2), 2);
    reader.reset();
    EXPECT_EQ(reader.read(), 'b');
    EXPECT_THROW(reader.reset(), JovException) << "reset clears the mark";
    EXPECT_EQ(reader.skip(5), 4);
    EXPECT_FALSE(reader.ready());
    EXPECT_EQ(reader.skip(5), 0);
    reader.close();
    reader.close();
    EXPECT_EQ(reader.read(), -1) << "a closed reader is at the end";
}
