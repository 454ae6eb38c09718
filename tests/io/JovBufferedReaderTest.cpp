// Line and byte reading with every line-end form across buffer refills. The program sets no marks.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovBufferedReader.h"
#include "io/JovFileReader.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

class JovBufferedReaderTest : public LiveObjectTest {
protected:
    std::unique_ptr<JovBufferedReader>
    readerOver(const std::string& content, int bufferSize = JovBufferedReader::defaultBufferSize) {
        folder.write("input.txt", content);
        return std::make_unique<JovBufferedReader>(
            new JovFileReader(folder.file("input.txt").c_str()), bufferSize);
    }

    Lines linesOf(const std::string& content, int bufferSize) {
        const std::unique_ptr<JovBufferedReader> reader = readerOver(content, bufferSize);
        Lines lines;
        while (std::unique_ptr<JovString> line{reader->readLine()}) {
            lines.emplace_back(line->chars(), line->length());
        }
        EXPECT_EQ(reader->readLine(), nullptr) << "the end of input must stay the end";
        reader->close();
        return lines;
    }

    TempFolder folder;
};

TEST_F(JovBufferedReaderTest, EveryLineEndFormEndsALineAlsoAcrossRefills) {
    const struct {
        std::string content;
        Lines lines;
    } cases[] = {
        {"a\nb\n", {"a", "b"}},
        {"erste\nletzte", {"erste", "letzte"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r", {"a"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n\r\r\nx", {"", "", "", "x"}},
        {"", {}},
        {"Rindfleisch\r\nab\rcd\r\n\r\nSchluss", {"Rindfleisch", "ab", "cd", "", "Schluss"}},
        {std::string("\xC4\0x\n", 4), {std::string("\xC4\0x", 3)}}};
    for (const auto& [content, lines] : cases) {
        for (const int bufferSize : {1, 2, 3, 5, JovBufferedReader::defaultBufferSize}) {
            SCOPED_TRACE(content + " with buffer size " + std::to_string(bufferSize));
            EXPECT_EQ(linesOf(content, bufferSize), lines);
        }
    }
}

TEST_F(JovBufferedReaderTest, ReadsBytesAndBlocksAcrossRefills) {
    const auto reader = readerOver("\xFCGemuesebruehe", 4);
    EXPECT_EQ(reader->read(), 0xFC);
    char buffer[20] = {};
    EXPECT_EQ(reader->read(buffer, 1, 10), 10);
    EXPECT_EQ(std::string(buffer + 1, 10), "Gemuesebru");
    EXPECT_EQ(reader->read(buffer, 0, 20), 3);
    EXPECT_EQ(reader->read(buffer, 0, 20), -1);
    EXPECT_EQ(reader->read(), -1);
    EXPECT_EQ(JovBufferedReader(nullptr).readLine(), nullptr)
        << "a reader over nothing is at the end";
}
