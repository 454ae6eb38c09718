// Writing real files: byte-exact round trips, truncation, appending, shared streams of clones,
// the standard streams and the creation failure.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFileDescriptor.h"
#include "io/JovFileReader.h"
#include "io/JovFileWriter.h"
#include "lang/JovException.h"
#include "lang/JovFileNotFoundException.h"

#include <gtest/gtest.h>
#include <string>

class JovFileWriterTest : public LiveObjectTest {
protected:
    JovString pathOf(const char* name) const { return folder.file(name).c_str(); }

    TempFolder folder;
};

TEST_F(JovFileWriterTest, WritesBytesUnchanged) {
    const char raw[] = "Zeile\r\nnur LF\n\xE4\xF6\xFC\xDF\0Ende";
    const std::string content(raw, sizeof raw - 1);
    JovFileWriter writer(pathOf("out.txt"));
    writer.write(content.data(), 0, static_cast<int>(content.size()));
    writer.close();
    EXPECT_EQ(folder.read("out.txt"), content);
}

TEST_F(JovFileWriterTest, RoundTripThroughTheFileReader) {
    JovFileWriter writer(JovFile(pathOf("round.txt")));
    writer.write(JovString("BOUNDS=10 20 300 400\r\n"));
    writer.write("xxPASSWORD=geheimxx", 2, 15);
    writer.close();

    JovFileReader reader(pathOf("round.txt"));
    std::string read;
    for (int byte = reader.read(); byte >= 0; byte = reader.read()) {
        read.push_back(static_cast<char>(byte));
    }
    reader.close();
    EXPECT_EQ(read, "BOUNDS=10 20 300 400\r\nPASSWORD=geheim");
}

TEST_F(JovFileWriterTest, WritingReplacesAnExistingFile) {
    folder.write("settings.ini", "a much longer old content");
    JovFileWriter writer(pathOf("settings.ini"));
    writer.write(JovString("neu"));
    writer.close();
    EXPECT_EQ(folder.read("settings.ini"), "neu");
}

TEST_F(JovFileWriterTest, AppendingKeepsTheOldContent) {
    folder.write("log.txt", "alt\r\n");
    JovFileWriter writer(pathOf("log.txt"), true);
    writer.write(JovString("neu\r\n"));
    writer.close();
    EXPECT_EQ(folder.read("log.txt"), "alt\r\nneu\r\n");
}

TEST_F(JovFileWriterTest, BadRangesWriteNothing) {
    JovFileWriter writer(pathOf("ranges.txt"));
    writer.write(nullptr, 0, 5);
    writer.write("abc", -1, 2);
    writer.write("abc", 0, -2);
    writer.close();
    writer.write(JovString("after close"));
    EXPECT_EQ(folder.read("ranges.txt"), "");
}

TEST_F(JovFileWriterTest, CloneWritesToTheSameStream) {
    auto* writer = new JovFileWriter(pathOf("shared.txt"));
    JovFileWriter* clone = writer->clone();
    writer->write(JovString("eins "));
    delete writer;
    clone->write(JovString("zwei"));
    clone->close();
    delete clone;
    EXPECT_EQ(folder.read("shared.txt"), "eins zwei");
}

TEST_F(JovFileWriterTest, FileThatCannotBeCreatedThrowsAnEmptyException) {
    try {
        JovFileWriter writer(pathOf("no-such-folder/out.txt"));
        FAIL() << "creating a file in a missing folder must throw";
    } catch (const JovFileNotFoundException&) {
        FAIL() << "a write failure is a plain JovException";
    } catch (const JovException& e) {
        EXPECT_EQ(e.getMessage().length(), 0);
    }
}

TEST_F(JovFileWriterTest, StandardErrorDescriptorWritesToStandardError) {
    JovFileWriter writer(JovFileDescriptor::standardError());
    testing::internal::CaptureStderr();
    writer.write(JovString("an stderr\r\n"));
    writer.flush();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "an stderr\r\n");
}

TEST_F(JovFileWriterTest, ClosingAStandardStreamOnlyFlushesIt) {
    JovFileWriter writer(JovFileDescriptor::standardOutput());
    testing::internal::CaptureStdout();
    writer.write(JovString("vor "));
    writer.close();
    writer.write(JovString("nach"));
    writer.flush();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "vor nach");
}

TEST_F(JovFileWriterTest, TextForms) {
    JovFileWriter writer(pathOf("t.txt"));
    EXPECT_STREQ(writer.toString().chars(), "ool.io.JovFileWriter");
    writer.close();
    EXPECT_STREQ(JovFileDescriptor::standardOutput().toString().chars(),
                 "ool.io.JovFileDescriptor");
    EXPECT_NE(&JovFileDescriptor::standardOutput(), &JovFileDescriptor::standardError());
}
