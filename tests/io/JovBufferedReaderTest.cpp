// Line reading with every line-end form, buffer refills, and mark and reset with their errors.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovBufferedReader.h"
#include "io/JovFileReader.h"
#include "lang/JovException.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class JovBufferedReaderTest : public LiveObjectTest {
protected:
    // A buffered reader over a file holding content; it owns the file reader.
    JovBufferedReader* readerOver(const std::string& content,
                                  int bufferSize = JovBufferedReader::defaultBufferSize) {
        folder.write("input.txt", content);
        return new JovBufferedReader(new JovFileReader(folder.file("input.txt").c_str()),
                                     bufferSize);
    }

    // Every line of content as readLine yields it, read with each buffer size given.
    std::vector<std::string> linesOf(const std::string& content,
                                     int bufferSize = JovBufferedReader::defaultBufferSize) {
        JovBufferedReader* reader = readerOver(content, bufferSize);
        std::vector<std::string> lines;
        while (JovString* line = reader->readLine()) {
            lines.emplace_back(line->chars(), line->length());
            delete line;
        }
        EXPECT_EQ(reader->readLine(), nullptr) << "the end of input must stay the end";
        reader->close();
        delete reader;
        return lines;
    }

    TempFolder folder;
};

using Lines = std::vector<std::string>;

TEST_F(JovBufferedReaderTest, LineFeedEndsALine) {
    EXPECT_EQ(linesOf("a\nb\n"), (Lines{"a", "b"}));
}

TEST_F(JovBufferedReaderTest, LastLineWithoutABreakIsStillALine) {
    EXPECT_EQ(linesOf("erste\nletzte"), (Lines{"erste", "letzte"}));
}

TEST_F(JovBufferedReaderTest, CarriageReturnLineFeedGivesNoExtraEmptyLine) {
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (Lines{"a", "b"}));
}

TEST_F(JovBufferedReaderTest, LoneCarriageReturnEndsALine) {
    EXPECT_EQ(linesOf("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\r"), (Lines{"a"}));
}

TEST_F(JovBufferedReaderTest, EmptyLinesInEveryForm) {
    EXPECT_EQ(linesOf("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf("\n\r\r\nx"), (Lines{"", "", "", "x"}));
}

TEST_F(JovBufferedReaderTest, EmptyFileHasNoLines) {
    EXPECT_EQ(linesOf(""), Lines{});
}

TEST_F(JovBufferedReaderTest, LinesSurviveBufferRefills) {
    const std::string content = "Rindfleisch\r\nab\rcd\r\n\r\nSchluss";
    const Lines expected{"Rindfleisch", "ab", "cd", "", "Schluss"};
    for (int bufferSize = 1; bufferSize <= 5; ++bufferSize) {
        EXPECT_EQ(linesOf(content, bufferSize), expected) << "buffer size " << bufferSize;
    }
}

TEST_F(JovBufferedReaderTest, LinesKeepZeroAndHighBytes) {
    EXPECT_EQ(linesOf(std::string("\xC4\0x\n", 4)), (Lines{std::string("\xC4\0x", 3)}));
}

TEST_F(JovBufferedReaderTest, ReadAnswersBytesThenMinusOne) {
    JovBufferedReader* reader = readerOver("\xFC!", 1);
    EXPECT_EQ(reader->read(), 0xFC);
    EXPECT_EQ(reader->read(), '!');
    EXPECT_EQ(reader->read(), -1);
    delete reader;
}

TEST_F(JovBufferedReaderTest, BlockReadCrossesRefills) {
    JovBufferedReader* reader = readerOver("Gemuesebruehe", 4);
    char buffer[20] = {};
    EXPECT_EQ(reader->read(buffer, 1, 10), 10);
    EXPECT_EQ(std::string(buffer + 1, 10), "Gemuesebru");
    EXPECT_EQ(reader->read(buffer, 0, 20), 3);
    EXPECT_EQ(reader->read(buffer, 0, 20), -1);
    delete reader;
}

TEST_F(JovBufferedReaderTest, SkipAndReady) {
    JovBufferedReader* reader = readerOver("abcdefg", 3);
    EXPECT_TRUE(reader->ready());
    EXPECT_EQ(reader->skip(5), 5);
    EXPECT_EQ(reader->read(), 'f');
    EXPECT_EQ(reader->skip(10), 1);
    EXPECT_FALSE(reader->ready());
    delete reader;
}

TEST_F(JovBufferedReaderTest, ResetReturnsToTheMark) {
    JovBufferedReader* reader = readerOver("Zeile 1\nZeile 2\n");
    JovString* first = reader->readLine();
    reader->mark(100);
    JovString* second = reader->readLine();
    reader->reset();
    JovString* again = reader->readLine();
    EXPECT_STREQ(first->chars(), "Zeile 1");
    EXPECT_STREQ(second->chars(), "Zeile 2");
    EXPECT_STREQ(again->chars(), "Zeile 2");
    delete first;
    delete second;
    delete again;
    delete reader;
}

TEST_F(JovBufferedReaderTest, MarkSurvivesRefillsWithinTheLimit) {
    JovBufferedReader* reader = readerOver("abcdefgh", 4);
    reader->read();
    reader->read();
    reader->mark(4);
    for (const char expected : {'c', 'd', 'e', 'f'}) {
        EXPECT_EQ(reader->read(), expected);
    }
    reader->reset();
    EXPECT_EQ(reader->read(), 'c');
    delete reader;
}

TEST_F(JovBufferedReaderTest, MarkAtTheBufferEndSurvivesTheNextRefill) {
    JovBufferedReader* reader = readerOver("abcdef", 2);
    reader->read();
    reader->read();
    reader->mark(2);
    EXPECT_EQ(reader->read(), 'c');
    reader->reset();
    EXPECT_EQ(reader->read(), 'c');
    delete reader;
}

TEST_F(JovBufferedReaderTest, MarkIsDroppedBeyondTheBuffer) {
    JovBufferedReader* reader = readerOver("abcdefgh", 4);
    reader->mark(4);
    for (int i = 0; i < 5; ++i) {
        reader->read();
    }
    EXPECT_THROW(reader->reset(), JovException);
    EXPECT_EQ(reader->read(), 'f');
    delete reader;
}

TEST_F(JovBufferedReaderTest, MarkLimitOutsideTheBufferThrows) {
    JovBufferedReader* reader = readerOver("abc", 8);
    EXPECT_THROW(reader->mark(9), JovException);
    EXPECT_THROW(reader->mark(-1), JovException);
    EXPECT_NO_THROW(reader->mark(8));
    delete reader;
}

TEST_F(JovBufferedReaderTest, ResetWithoutMarkThrowsWithAnEmptyMessage) {
    JovBufferedReader* reader = readerOver("abc");
    try {
        reader->reset();
        ADD_FAILURE() << "reset without a mark must throw";
    } catch (const JovException& e) {
        EXPECT_EQ(e.getMessage().length(), 0);
    }
    reader->mark(1);
    reader->reset();
    EXPECT_THROW(reader->reset(), JovException) << "reset clears the mark";
    delete reader;
}

TEST_F(JovBufferedReaderTest, TextForms) {
    JovBufferedReader reader(nullptr);
    EXPECT_STREQ(reader.toString().chars(), "ool.io.JovBufferedReader");
    EXPECT_EQ(reader.readLine(), nullptr);
}
