// Writing real files: byte-exact output, truncation and appending. The creation failure is
// checked through the settings file.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFileWriter.h"

#include <gtest/gtest.h>
#include <string>

class JovFileWriterTest : public LiveObjectTest {
protected:
    JovString pathOf(const char* name) const { return folder.file(name).c_str(); }

    TempFolder folder;
};

TEST_F(JovFileWriterTest, WritesBytesAndRangesUnchangedAndNothingForBadRangesOrAfterClose) {
    const char raw[] = "Zeile\r\nnur LF\n\xE4\xF6\xFC\xDF\0Ende";
    const std::string content(raw, sizeof raw - 1);
    JovFileWriter writer(JovFile(pathOf("out.txt")));
    writer.write(content.data(), 0, static_cast<int>(content.size()));
    writer.write("xxPASSWORD=geheimxx", 2, 15);
    writer.write(nullptr, 0, 5);
    writer.write("abc", -1, 2);
    writer.write("abc", 0, -2);
    writer.close();
    writer.write(JovString("after close"));
    EXPECT_EQ(folder.read("out.txt"), content + "PASSWORD=geheim");
}

TEST_F(JovFileWriterTest, WritingReplacesAndAppendingKeepsTheOldContent) {
    folder.write("settings.ini", "a much longer old content");
    folder.write("log.txt", "alt\r\n");
    JovFileWriter replacing(pathOf("settings.ini"));
    JovFileWriter appending(pathOf("log.txt"), true);
    replacing.write(JovString("neu"));
    appending.write(JovString("neu\r\n"));
    replacing.close();
    appending.close();
    EXPECT_EQ(folder.read("settings.ini"), "neu");
    EXPECT_EQ(folder.read("log.txt"), "alt\r\nneu\r\n");
}
