// The tool on the test database: readable blocks and JSON lines in UTF-8, and unknown menus
// reported without stopping the others. Choosing every menu is checked on the sample database.
#include "app/labeltext/LabelTextTool.h"
#include "DatabaseTest.h"
#include "app/labeltext/LabelTextArguments.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A temporary file standing in for a standard stream.
class CapturedStream {
public:
    CapturedStream() : file(std::tmpfile()) {}
    ~CapturedStream() { std::fclose(file); }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;

    std::FILE* get() const { return file; }
    std::string text() const {
        std::rewind(file);
        std::string bytes;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
            bytes += static_cast<char>(c);
        }
        return bytes;
    }

private:
    std::FILE* file;
};

} // namespace

class LabelTextToolTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        for (const char* sql :
             {"INSERT INTO Menues (ID,Name) VALUES (7,'Erbsensuppe \"Spezial\"');",
              "INSERT INTO Menues (ID,Name) VALUES (3,'Grüne Bohnen');",
              "INSERT INTO Zutaten (ID,Name,Portion) VALUES (1,'Erbsen','ge');",
              "INSERT INTO Zutaten (ID,Name,Verkehrsbezeichnung) VALUES "
              "(2,'Speck','Speck\\Bauch');",
              "INSERT INTO Mengen (Eltern,Kind,Fuellmenge,mengeAngeben,imTitel,wertgebend) "
              "VALUES (7,1,300,1,1,1);",
              "INSERT INTO Mengen (Eltern,Kind,Fuellmenge,mengeAngeben,imTitel,wertgebend) "
              "VALUES (7,2,100,1,0,1);"}) {
            ASSERT_GE(execute(sql), 0) << sql;
        }
    }

    int run(std::vector<const char*> arguments) {
        const LabelTextArguments parsed(static_cast<int>(arguments.size()), arguments.data());
        EXPECT_TRUE(parsed.isValid());
        return LabelTextTool(connection, out.get(), err.get()).run(parsed);
    }

    CapturedStream out;
    CapturedStream err;
};

TEST_F(LabelTextToolTest, ReadableBlocksShowTheLabelTextsInUtf8SetApartByAnEmptyLine) {
    EXPECT_EQ(run({"7", "3"}), 0);
    EXPECT_EQ(out.text(), "Men\xC3\xBC 7: Erbsensuppe \"Spezial\"\n"
                          "Bezeichnung: Erbsen (75%)\n"
                          "Verkehrsbezeichnung: Erbsen\n"
                          "Zutaten: Erbsen, Speck\\Bauch (25%)\n"
                          "F\xC3\xBCllmenge: 400 g\n"
                          "Fleischanteil: Fleischlos\n"
                          "\n"
                          "Men\xC3\xBC 3: Gr\xC3\xBCne Bohnen\n"
                          "Bezeichnung: \n"
                          "Verkehrsbezeichnung: \n"
                          "Zutaten: \n"
                          "F\xC3\xBCllmenge: 0 g\n"
                          "Fleischanteil: Fleischlos\n");
    EXPECT_EQ(err.text(), "");
}

TEST_F(LabelTextToolTest, JsonLineKeepsTheComposedTextsAndEscapesThem) {
    EXPECT_EQ(run({"--json", "7"}), 0);
    EXPECT_EQ(out.text(), "{\"id\":7,\"menuName\":\"Erbsensuppe \\\"Spezial\\\"\","
                          "\"titleWithQuid\":\"Erbsen_(75%)\",\"menuDesignation\":\"Erbsen\","
                          "\"ingredientList\":\"Erbsen, Speck\\\\Bauch (25%)\","
                          "\"fillQuantity\":\"400 g\",\"meatText\":\"Fleischlos\","
                          "\"sweetenerNote\":\"\"}\n");
}

TEST_F(LabelTextToolTest, UnknownMenuIsReportedAndTheOthersStillWritten) {
    EXPECT_EQ(run({"99", "3"}), LabelTextTool::unknownMenuExit);
    EXPECT_EQ(err.text(), "labeltext: Kein Men\xC3\xBC mit der Art.-Nr. 99.\n");
    EXPECT_EQ(out.text().rfind("Men\xC3\xBC 3: Gr\xC3\xBCne Bohnen\n", 0), 0u);
}
