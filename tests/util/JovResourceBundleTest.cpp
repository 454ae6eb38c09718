// Resource files: the line syntax with its escapes, lookups with their fallback to the key, the
// file search and the cache that reads each base name once. The program's texts are German only,
// so the choice by the system's language is not checked.
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "TextBytes.h"

#include "lang/JovFileNotFoundException.h"
#include "util/JovLocale.h"
#include "util/JovResourceBundle.h"

#include <gtest/gtest.h>
#include <string>

// Bundles read straight from one file, outside the cache, so every object they make must go.
class JovResourceBundleTest : public LiveObjectTest {
protected:
    TempFolder folder;
};

TEST_F(JovResourceBundleTest, LinesGiveTextsByTheBundleSyntax) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte.push_back(static_cast<char>(byte));
    }
    const struct {
        std::string content;
        const char* key;
        std::string text;
    } cases[] = {
        {"ART_NR=Art.-Nr.\r\nNAME=Bezeichnung\r\n", "NAME", "Bezeichnung"},
        {"ART_NR=Art.-Nr.\n", "PREIS", "PREIS"},
        {"a = b \n", "a", " b "},
        {"\tART_NR\t=Nr.\n", "ART_NR", "Nr."},
        {"=x\n", "_", "x"},
        {"  =y\n", "_", "y"},
        {"formel=a=b\n", "formel", "a=b"},
        {"leer=\n", "leer", ""},
        {"#ART_NR=alt\n", "#ART_NR", "#ART_NR"},
        {" #x=1\n", "#x", "1"},
        {"ART_NR: Nr.\nkeine Zuweisung\nNAME=Name\n", "NAME", "Name"},
        {"ART_NR=alt\nART_NR=neu\n", "ART_NR", "neu"},
        {"a=1\rb=2\r\nc=3\nd=4", "b", "2"},
        {"a=1\rb=2\r\nc=3\nd=4", "d", "4"},
        {"e=a\\nb\\tc\\rd\\be\\ff\n", "e", "a\nb\tc\rd\be\ff"},
        {"e=x\\0y\n", "e", std::string("x\0y", 3)},
        {"e=a\\qb\n", "e", "ab"},
        {"e=C:\\\\Daten\n", "e", "C:Daten"},
        {"e=Ende\\\nf=weiter\n", "e", "Ende"},
        {"e=Ende\\\nf=weiter\n", "f", "weiter"},
        {std::string("k=Menü\0b\n", 9), "k", std::string("Menü\0b", 6)},
        {everyByte + everyByte, "ART_NR", "ART_NR"},
    };
    for (const auto& [content, key, text] : cases) {
        SCOPED_TRACE(content);
        folder.write("texts.pro", content);
        const JovResourceBundle bundle(folder.file("texts.pro").c_str());
        EXPECT_EQ(bytesOf(bundle.getString(key)), text);
    }
}

// Bundles through the process-wide cache, which keeps them to the end of the run; each test uses
// base names of its own folder.
class JovResourceBundleSearchTest : public testing::Test {
protected:
    std::string artNrOf(const std::string& baseName) {
        return bytesOf(
            JovResourceBundle::getBundle(folder.file(baseName).c_str())->getString("ART_NR"));
    }

    void write(const std::string& file, const std::string& artNr) {
        folder.write(file, "ART_NR=" + artNr + "\n");
    }

    TempFolder folder;
    const std::string languageSuffix =
        "_" + bytesOf(JovLocale::getDefault().getLanguage()) + ".pro";
};

// Each base name is read once: later files do not change a bundle found before.
TEST_F(JovResourceBundleSearchTest, LanguageFileThenDefaultFileThenBaseNameAloneEachReadOnce) {
    write("a" + languageSuffix, "Sprache");
    write("a.pro", "Vorgabe");
    write("b_xx.pro", "fremd");
    write("b.pro", "Vorgabe");
    write("b", "Grundname");
    write("c", "Grundname");
    EXPECT_EQ(artNrOf("a"), "Sprache");
    EXPECT_EQ(artNrOf("b"), "Vorgabe");
    EXPECT_EQ(artNrOf("c"), "Grundname");
    JovResourceBundle* first = JovResourceBundle::getBundle(folder.file("c").c_str());
    write("c.pro", "danach");
    write("c" + languageSuffix, "Sprache");
    EXPECT_EQ(JovResourceBundle::getBundle(folder.file("c").c_str()), first);
    EXPECT_EQ(artNrOf("c"), "Grundname");
    const JovString programTitle =
        JovResourceBundle::getBundle("properties/text")->getString("ART_NR");
    EXPECT_EQ(bytesOf(programTitle), "Art.-Nr.") << "the program's own bundle";
}

TEST_F(JovResourceBundleSearchTest, FailedSearchNamesTheLastCandidateAndIsTriedAgainLater) {
    const std::string baseName = folder.file("text");
    const int liveAtStart = JovObject::liveObjectCount();
    try {
        JovResourceBundle::getBundle(baseName.c_str());
        ADD_FAILURE() << "a bundle without any file";
    } catch (const JovFileNotFoundException& missing) {
        EXPECT_EQ(bytesOf(missing.getMessage()), baseName);
    }
    EXPECT_EQ(JovObject::liveObjectCount(), liveAtStart) << "a failed search keeps nothing";
    write("text.pro", "jetzt da");
    EXPECT_EQ(artNrOf("text"), "jetzt da");
}
