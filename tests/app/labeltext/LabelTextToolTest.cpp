// The tool on the test database: readable blocks in UTF-8, refused stores, runaway compositions
// and foreign ids. Unknown menus and JSON lines are checked on the sample database.
#include "app/labeltext/LabelTextTool.h"
#include "DatabaseTest.h"
#include "app/labeltext/LabelTextArguments.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Everything written to a temporary file that stands in for a standard stream.
std::string textOf(std::FILE* file) {
    std::rewind(file);
    std::string bytes;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

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
        return LabelTextTool(connection, out, err).run(parsed);
    }

    void TearDown() override {
        std::fclose(out);
        std::fclose(err);
        DatabaseTest::TearDown();
    }

    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
};

TEST_F(LabelTextToolTest, ReadableBlocksShowTheLabelTextsInUtf8SetApartByAnEmptyLine) {
    EXPECT_EQ(run({"7", "3"}), 0);
    EXPECT_EQ(textOf(out), "Men\xC3\xBC 7: Erbsensuppe \"Spezial\"\n"
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
    EXPECT_EQ(textOf(err), "");
}

TEST_F(LabelTextToolTest, ControlCharactersInNamesShowAsEscapesInReadableLinesOnly) {
    ASSERT_GE(execute("INSERT INTO Menues (ID,Name) VALUES (9,'Erbsen' || char(10) || "
                      "'Zutaten: Gift' || char(27) || '[31m' || char(9));"),
              0);
    EXPECT_EQ(run({"9"}), 0);
    EXPECT_EQ(textOf(out).substr(0, textOf(out).find('\n') + 1),
              "Men\xC3\xBC 9: Erbsen\\nZutaten: Gift\\x1B[31m\\t\n");
}

TEST_F(LabelTextToolTest, RefusedDesignationIsWarnedAboutAndEndsWithCodeFour) {
    ASSERT_GE(execute("PRAGMA query_only = ON;"), 0);
    const int exitCode = run({"--json", "7", "3"});
    execute("PRAGMA query_only = OFF;");
    EXPECT_EQ(exitCode, LabelTextTool::notStoredExit);
    // The texts are still printed, one warning per refused store.
    const std::string printed = textOf(out);
    EXPECT_EQ(printed.rfind("{\"id\":7,", 0), 0u);
    EXPECT_NE(printed.find("\"menuDesignation\":\"Erbsen\""), std::string::npos);
    EXPECT_NE(printed.find("\n{\"id\":3,"), std::string::npos);
    const std::string warnings = textOf(err);
    EXPECT_EQ(warnings.rfind("labeltext: Warnung: Verkehrsbezeichnung von Men\xC3\xBC 7 nicht "
                             "gespeichert: [",
                             0),
              0u)
        << warnings;
    EXPECT_NE(warnings.find("Men\xC3\xBC 3 nicht gespeichert"), std::string::npos) << warnings;
}

// Stored together when the run ends; afterwards the connection stores each update at once again.
TEST_F(LabelTextToolTest, DesignationsOfTheRunAreStoredWhenItEnds) {
    EXPECT_EQ(run({"--json", "--all"}), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 7 AND Verkehrsbezeichnung = 'Erbsen';"), 1);
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 3 AND Verkehrsbezeichnung = '';"), 1);
    ASSERT_GE(execute("UPDATE Menues SET Verkehrsbezeichnung = 'neu' WHERE ID = 3;"), 0);
    execute("ROLLBACK;");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE Verkehrsbezeichnung = 'neu';"), 1);
}

TEST_F(LabelTextToolTest, RunawayCompositionIsReportedAndTheOthersStillWritten) {
    ASSERT_GE(execute("INSERT INTO Zutaten (ID,Name) WITH RECURSIVE n(i) AS (SELECT 10 UNION ALL "
                      "SELECT i + 1 FROM n WHERE i < 80) SELECT i, 'Stufe ' || i FROM n;"),
              0);
    ASSERT_GE(execute("INSERT INTO Anteile (Eltern,Kind,Anteil,mengeAngeben) WITH RECURSIVE n(i) "
                      "AS (SELECT 10 UNION ALL SELECT i + 1 FROM n WHERE i < 79) "
                      "SELECT i, i + 1, 1.0, 1 FROM n;"),
              0);
    ASSERT_GE(execute("INSERT INTO Mengen (Eltern,Kind,Fuellmenge) VALUES (3,10,100);"), 0);
    EXPECT_EQ(run({"--json", "3", "7"}), LabelTextTool::unknownMenuExit);
    EXPECT_EQ(textOf(err), "labeltext: Die Zusammensetzung des Men\xC3\xBCs 'Gr\xC3\xBCne Bohnen' "
                           "(Art.-Nr.: 3) ist zu tief verschachtelt oder zu umfangreich. Das "
                           "Men\xC3\xBC wird nicht geladen.\n");
    EXPECT_EQ(textOf(out).rfind("{\"id\":7,", 0), 0u);
}

// IDs beyond 32 bits written by another tool: 2^32 + 1 must not read as Erbsen (1), and menu
// 2^32 + 3 must not stand in for menu 3.
TEST_F(LabelTextToolTest, IdsOutsideThirtyTwoBitsAreNeverReadAsOtherIds) {
    ASSERT_GE(execute("INSERT INTO Mengen (Eltern,Kind,Fuellmenge) VALUES (3,4294967297,50);"), 0);
    ASSERT_GE(execute("INSERT INTO Menues (ID,Name) VALUES (4294967299,'Fremd');"), 0);
    EXPECT_EQ(run({"--json", "--all"}), LabelTextTool::unknownMenuExit);
    EXPECT_EQ(textOf(err), "labeltext: Ein Men\xC3\xBC mit einer Art.-Nr. au\xC3\x9F"
                           "erhalb des Zahlenbereichs wird \xC3\xBC"
                           "bergangen.\n");
    const std::string printed = textOf(out);
    EXPECT_EQ(printed.rfind("{\"id\":3,\"menuName\":\"Gr\xC3\xBCne Bohnen\",", 0), 0u) << printed;
    EXPECT_NE(printed.find("\"ingredientList\":\"\""), std::string::npos) << printed;
    EXPECT_EQ(printed.find("Fremd"), std::string::npos);
}
