// Path normalisation, the absolute test and existence of real files.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFile.h"

#include <gtest/gtest.h>

class JovFileTest : public LiveObjectTest {};

TEST_F(JovFileTest, PathIsNormalisedAndAbsoluteByRootSlashOrDriveLetter) {
    const struct {
        const char* path;
        const char* normalised;
        bool absolute;
    } cases[] = {{"D:\\data\\meals.mdb", "D:/data/meals.mdb", true},
                 {"data/", "data", false},
                 {"images\\", "images", false},
                 {"\\\\server\\share", "//server/share", true},
                 {"c:meals.mdb", "c:meals.mdb", true},
                 {"settings.ini", "settings.ini", false},
                 {"", "", false}};
    for (const auto& [path, normalised, absolute] : cases) {
        SCOPED_TRACE(path);
        const JovFile file(path);
        EXPECT_STREQ(file.getPath().chars(), normalised);
        EXPECT_EQ(file.isAbsolute(), absolute);
    }
    EXPECT_TRUE(JovFile("/").isAbsolute());
}

TEST_F(JovFileTest, ExistsForARealFileOnly) {
    const TempFolder folder;
    folder.write("settings.ini", "PASSWORD=x\r\n");
    EXPECT_TRUE(JovFile(folder.file("settings.ini").c_str()).exists());
    EXPECT_TRUE(JovFile(folder.path().string().c_str()).exists());
    EXPECT_FALSE(JovFile(folder.file("missing.ini").c_str()).exists());
    EXPECT_FALSE(JovFile("").exists());
}
