// Path normalisation, the absolute test and existence of real files.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovFile.h"

#include <gtest/gtest.h>

class JovFileTest : public LiveObjectTest {};

TEST_F(JovFileTest, BackslashesBecomeSlashes) {
    const JovFile file("D:\\data\\meals.mdb");
    EXPECT_STREQ(file.getPath().chars(), "D:/data/meals.mdb");
    EXPECT_TRUE(file.isAbsolute());
}

TEST_F(JovFileTest, TrailingSlashIsRemoved) {
    const JovFile folder("data/");
    EXPECT_STREQ(folder.getPath().chars(), "data");
    EXPECT_FALSE(folder.isAbsolute());
    EXPECT_STREQ(JovFile("images\\").getPath().chars(), "images");
}

TEST_F(JovFileTest, RootSlashOrDriveLetterMakesAPathAbsolute) {
    EXPECT_TRUE(JovFile("/etc/passwd").isAbsolute());
    EXPECT_TRUE(JovFile("\\\\server\\share").isAbsolute());
    EXPECT_TRUE(JovFile("c:meals.mdb").isAbsolute());
    EXPECT_TRUE(JovFile("/").isAbsolute());
    EXPECT_FALSE(JovFile("settings.ini").isAbsolute());
    EXPECT_FALSE(JovFile("").isAbsolute());
}

TEST_F(JovFileTest, ExistsForARealFileOnly) {
    const TempFolder folder;
    folder.write("settings.ini", "PASSWORD=x\r\n");
    EXPECT_TRUE(JovFile(folder.file("settings.ini").c_str()).exists());
    EXPECT_TRUE(JovFile(folder.path().string().c_str()).exists());
    EXPECT_FALSE(JovFile(folder.file("missing.ini").c_str()).exists());
    EXPECT_FALSE(JovFile("").exists());
}

TEST_F(JovFileTest, ComparesByPath) {
    const JovFile slashed("properties/text_de.pro");
    const JovFile backslashed("properties\\text_de.pro");
    const JovFile other("properties/text.pro");
    EXPECT_TRUE(slashed.equals(&backslashed));
    EXPECT_FALSE(slashed.equals(&other));
    EXPECT_FALSE(slashed.equals(nullptr));
    EXPECT_EQ(slashed.compareTo(backslashed), 0);
    EXPECT_EQ(other.compareTo(slashed), -1);
    EXPECT_EQ(slashed.compareTo(other), 1);
}

TEST_F(JovFileTest, CloneAndTextKeepThePath) {
    const JovFile file("a\\b");
    JovObject* copy = file.clone();
    EXPECT_TRUE(file.equals(copy));
    EXPECT_STREQ(copy->toString().chars(), "a/b");
    delete copy;
}
