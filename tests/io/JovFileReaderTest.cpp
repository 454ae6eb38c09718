// Reading real files byte by byte and in blocks, mark and reset, and the missing-file exception.
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

TEST_F(JovFileReaderTest, ReadsEveryByteUnchangedThenMinusOne) {
    const char raw[] = "a\r\nb\n\xE4\xFF\0z";
    const std::string content(raw, sizeof raw - 1);
    folder.write("bytes.bin", content);
    JovFileReader reader(pathOf("bytes.bin"));
    std::string read;
    for (int byte = reader.read(); byte >= 0; byte = reader.read()) {
        ASSERT_LE(byte, 255);
        read.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(read, content);
    EXPECT_EQ(reader.read(), -1);
}

TEST_F(JovFileReaderTest, BlockReadAnswersTheCountThenMinusOne) {
    folder.write("block.txt", "Kartoffelsalat");
    JovFileReader reader(JovFile(pathOf("block.txt")));
    char buffer[32] = {};
    EXPECT_EQ(reader.read(buffer, 2, 9), 9);
    EXPECT_EQ(std::string(buffer + 2, 9), "Kartoffel");
    EXPECT_EQ(reader.read(buffer, 0, 32), 5);
    EXPECT_EQ(reader.read(buffer, 0, 32), -1);
}

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
