// Line reading with every line-end form, buffer refills, and mark and reset with their errors.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovBufferedReader.h"
#include "io/JovFileReader.h"
#include "lang/JovException.h"

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
}

TEST_F(JovBufferedReaderTest, ResetAfterReadLineReturnsToTheMarkOnce) {
    const auto reader = readerOver("Zeile 1\r\nZeile 2\n");
    delete reader->readLine();
    reader->mark(100);
    const std::unique_ptr<JovString> second{reader->readLine()};
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->chars(), "Zeile 2");
    reader->reset();
    const std::unique_ptr<JovString> again{reader->readLine()};
    ASSERT_NE(again, nullptr);
    EXPECT_STREQ(again->chars(), "Zeile 2");
    EXPECT_THROW(reader->reset(), JovException) << "reset clears the mark";
}

// A mark set in the middle of the buffer, and one set where the buffer ends, both survive the
// refills that reading up to the limit needs; reading past the limit drops the mark.
TEST_F(JovBufferedReaderTest, MarkSurvivesRefillsWithinTheLimitOnly) {
    for (const int bufferSize : {4, 2}) {
        SCOPED_TRACE(bufferSize);
        const auto reader = readerOver("abcdefgh", bufferSize);
        reader->skip(2);
        reader->mark(bufferSize);
        EXPECT_EQ(reader->skip(bufferSize), bufferSize);
        reader->reset();
        EXPECT_EQ(reader->read(), 'c');
    }
    const auto reader = readerOver("abcdefgh", 4);
    reader->mark(4);
    reader->skip(5);
    EXPECT_THROW(reader->reset(), JovException);
    EXPECT_EQ(reader->read(), 'f');
}

TEST_F(JovBufferedReaderTest, MarkLimitOutsideTheBufferAndResetWithoutMarkThrowEmpty) {
    const auto reader = readerOver("abc", 8);
    EXPECT_THROW(reader->mark(9), JovException);
    EXPECT_THROW(reader->mark(-1), JovException);
    try {
        reader->reset();
        ADD_FAILURE() << "reset without a mark must throw";
    } catch (const JovException& e) {
        EXPECT_EQ(e.getMessage().length(), 0);
    }
    EXPECT_NO_THROW(reader->mark(8));
    EXPECT_EQ(JovBufferedReader(nullptr).readLine(), nullptr)
        << "a reader over nothing is at the end";
}
