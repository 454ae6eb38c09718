// Property tables: lookups through defaults, the line syntax read by load, and values that
// survive a store and load unchanged. The written file's form is checked by the settings tests.
#include "LiveObjectTest.h"
#include "TempFolder.h"
#include "TextBytes.h"

#include "io/JovFileReader.h"
#include "io/JovFileWriter.h"
#include "lang/JovInteger.h"
#include "util/JovProperties.h"

#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

namespace {

std::string valueOf(const JovProperties& table, const JovString& key) {
    return bytesOf(table.getProperty(key, "<fehlt>"));
}

} // namespace

class JovPropertiesTest : public LiveObjectTest {
protected:
    void load(JovProperties& table, const std::string& bytes) const {
        folder.write("in.ini", bytes);
        JovFileReader reader(folder.file("in.ini").c_str());
        table.load(&reader);
        reader.close();
    }

    std::string stored(const JovProperties& table) const {
        JovFileWriter writer(folder.file("out.ini").c_str());
        table.store(&writer, "Kalvenora, General settings");
        writer.close();
        return folder.read("out.ini");
    }

    TempFolder folder;
};

TEST_F(JovPropertiesTest, OwnValueComesBeforeDefaultsBeforeTheGivenDefaultAlsoInAClone) {
    auto* defaults = new JovProperties;
    defaults->setProperty("STATE", "4");
    defaults->setProperty("PASSWORD", "aus Vorgabe");
    JovProperties table(defaults);
    table.setProperty("PASSWORD", "eigen");
    table.put("id", new JovInteger(17));
    EXPECT_EQ(valueOf(table, "PASSWORD"), "eigen");
    EXPECT_EQ(valueOf(table, "STATE"), "4");
    EXPECT_EQ(valueOf(table, "BOUNDS"), "<fehlt>");
    EXPECT_EQ(valueOf(table, "id"), "17") << "a boxed value answers its text";
    EXPECT_STREQ(table.toString().chars(), "ool.util.JovProperties[PASSWORD=eigen,id=17]")
        << "defaults are looked up, not copied";
    const std::unique_ptr<JovObject> copy(table.clone());
    static_cast<JovProperties*>(copy.get())->setProperty("A", "neu");
    EXPECT_EQ(valueOf(table, "A"), "neu") << "a clone shares the entries";
}

TEST_F(JovPropertiesTest, LoadReadsKeysAndValuesByTheLineSyntax) {
    const struct {
        std::string bytes;
        const char* key;
        std::string value;
    } cases[] = {
        {"  \t STATE \t=  1 \r\n", "STATE", "  1 "},
        {"FORMEL=a=b=", "FORMEL", "a=b="},
        {"=x\n \t =y\n", "_", "y"},
        {"A=1\nA=3", "A", "3"},
        {"A=x\r\r\n", "A", "x\r"},
        {"B=\ry\r\n", "B", "\ry"},
        {"Größe=Menü\r\n", "Größe", "Menü"},
        {"A=1\\n2\\r3\\t4\\b5\\\\6\r\n", "A", "1\n2\r3\t4\b5\\6"},
        {"K\\n=v\r\n", "K\\n", "v"},
        {"A=a\\qb\n", "A", "ab"},
        {"B=ab\\\n", "B", "ab"},
        {"C=C:\\temp\n", "C", "C:\temp"},
        {std::string("A=x\0y\n", 6), "A", std::string("x\0y", 3)},
        {"# Kopf\r\nohne Zeichen\r\n \t# A=1\r\nA=2\r\n", "A", "2"},
    };
    for (const auto& [bytes, key, value] : cases) {
        SCOPED_TRACE(bytes);
        JovProperties table;
        load(table, bytes);
        EXPECT_EQ(valueOf(table, key), value);
        EXPECT_EQ(table.size(), 1) << "comments and lines without '=' hold no entry";
    }
}

// Values are escaped on writing, so an advertisement text with line breaks stays one entry.
TEST_F(JovPropertiesTest, EveryValueSurvivesStoreAndLoad) {
    const char* values[] = {"Frisch\r\nvom Koch\t\\ täglich",
                            "  führende und folgende Blanks  ",
                            "=#beginnt mit Zeichen",
                            "\\n steht hier wörtlich",
                            "Ende mit Wagenrücklauf\r",
                            "\\",
                            ""};
    JovProperties written;
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i) {
        written.setProperty(JovString::valueOf(i), values[i]);
    }
    const std::string text = stored(written);
    EXPECT_NE(text.find("\r\n0=Frisch\\r\\nvom Koch\\t\\\\ täglich\r\n"), std::string::npos);
    JovProperties read;
    load(read, text);
    ASSERT_EQ(read.size(), written.size());
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i) {
        EXPECT_EQ(valueOf(read, JovString::valueOf(i)), values[i]);
    }
}
