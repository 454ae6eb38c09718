// The adapter's entry points through the whole chain: the program's statement texts and what
// SQLGetData with the default target type hands back, in Windows-1252.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr unsigned char untouched = 0xEE;
constexpr SQLLEN programBufferSize = 1024;

// The program's own insert statement text for an ingredient.
std::string insertIngredient(int id, const std::string& name, bool female = true,
                             const std::string& meatShare = "0.000000") {
    return "INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,"
           "Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES ('" +
           name + "',NULL,NULL,NULL,NULL," + (female ? "true" : "false") + ",false,false," +
           meatShare + ",false," + std::to_string(id) + ");";
}

std::string insertShare(int parent, int child) {
    return "INSERT INTO Anteile (Eltern,Anteil,mengeAngeben,imTitel,wertgebend,"
           "mengeAufMenueBeziehen,veraenderlicheAnteile,Kind) VALUES (" +
           std::to_string(parent) + ",0.500000,true,false,false,false,false," +
           std::to_string(child) + ");";
}

} // namespace

class DriverEntryPointsTest : public AdapterDatabaseTest {
protected:
    // Runs a query and positions it on its first row.
    void select(OdbcStatement& statement, const std::string& text) {
        ASSERT_EQ(statement.execute(text), SQL_SUCCESS) << statement.message();
        ASSERT_TRUE(statement.fetch());
    }

    // Reads a column the way the program does: default target type, 1024-byte buffer.
    SQLLEN readDefault(OdbcStatement& statement, SQLUSMALLINT column) {
        buffer.fill(untouched);
        SQLLEN indicator = 0;
        EXPECT_EQ(SQLGetData(statement.handle(), column, SQL_C_DEFAULT, buffer.data(),
                             programBufferSize, &indicator),
                  SQL_SUCCESS);
        return indicator;
    }

    int countRows(const std::string& query) {
        OdbcStatement statement(session);
        select(statement, query);
        return statement.integer(1);
    }

    std::array<unsigned char, programBufferSize> buffer{};
};

TEST_F(DriverEntryPointsTest, IntegerColumnsArriveAsFourByteSignedIntegers) {
    ASSERT_EQ(session.execute(insertIngredient(-17, "Zwiebeln")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT * FROM Zutaten WHERE ID = -17;");
    ASSERT_EQ(readDefault(statement, 1), 4);
    std::int32_t id = 0;
    std::memcpy(&id, buffer.data(), sizeof id);
    EXPECT_EQ(id, -17);
    EXPECT_EQ(buffer[4], untouched);
}

TEST_F(DriverEntryPointsTest, YesNoColumnsArriveAsOneByte) {
    ASSERT_EQ(session.execute(insertIngredient(17, "Zwiebeln", true)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertIngredient(18, "Lauch", false)), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT weiblich FROM Zutaten ORDER BY ID ASC;");
    ASSERT_EQ(readDefault(statement, 1), 1);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[1], untouched);
    ASSERT_TRUE(statement.fetch());
    ASSERT_EQ(readDefault(statement, 1), 1);
    EXPECT_EQ(buffer[0], 0);
}

TEST_F(DriverEntryPointsTest, DoubleColumnsArriveAsEightByteDoubles) {
    ASSERT_EQ(session.execute(insertIngredient(17, "Hackfleisch", false, "0.300000")), SQL_SUCCESS);
    ASSERT_EQ(session.execute("INSERT INTO Menues (name,fe,zu,gf,ba,na,be,kh,ew,bw,ID) VALUES "
                              "('Gulasch',3.25,0,0,0,0,0,0,0,1.5E+06,4);"),
              SQL_SUCCESS);
    OdbcStatement ingredient(session);
    select(ingredient, "SELECT Fleischanteil FROM Zutaten WHERE ID = 17;");
    ASSERT_EQ(readDefault(ingredient, 1), 8);
    double share = 0;
    std::memcpy(&share, buffer.data(), sizeof share);
    EXPECT_DOUBLE_EQ(share, 0.3);

    OdbcStatement menu(session);
    select(menu, "SELECT fe, bw FROM Menues WHERE ID = 4;");
    ASSERT_EQ(readDefault(menu, 2), 8);
    double energy = 0;
    std::memcpy(&energy, buffer.data(), sizeof energy);
    EXPECT_DOUBLE_EQ(energy, 1.5e6);
}

TEST_F(DriverEntryPointsTest, TextColumnsArriveAsZeroTerminatedCharacters) {
    ASSERT_EQ(session.execute(insertIngredient(17, "Zwiebeln")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten WHERE ID = 17;");
    ASSERT_EQ(readDefault(statement, 1), 8);
    EXPECT_EQ(std::memcmp(buffer.data(), "Zwiebeln", 9), 0);
}

TEST_F(DriverEntryPointsTest, NullValuesReportTheNullIndicator) {
    ASSERT_EQ(session.execute(insertIngredient(17, "Zwiebeln")), SQL_SUCCESS);
    ASSERT_EQ(session.execute("INSERT INTO Mengen (Eltern,Fuellmenge,mengeAngeben,imTitel,"
                              "wertgebend,veraenderlicheAnteile,Kind) VALUES "
                              "(5,NULL,NULL,false,false,false,17);"),
              SQL_SUCCESS);
    OdbcStatement ingredient(session);
    select(ingredient, "SELECT Verkehrsbezeichnung, DativPlural FROM Zutaten WHERE ID = 17;");
    EXPECT_EQ(readDefault(ingredient, 1), SQL_NULL_DATA);
    SQLLEN indicator = 0;
    EXPECT_EQ(SQLGetData(ingredient.handle(), 2, SQL_C_CHAR, buffer.data(), programBufferSize,
                         &indicator),
              SQL_SUCCESS);
    EXPECT_EQ(indicator, SQL_NULL_DATA);

    OdbcStatement fill(session);
    select(fill, "SELECT Fuellmenge, mengeAngeben FROM Mengen WHERE Eltern = 5;");
    EXPECT_EQ(readDefault(fill, 1), SQL_NULL_DATA);
    EXPECT_EQ(readDefault(fill, 2), SQL_NULL_DATA);
}

TEST_F(DriverEntryPointsTest, ColumnNamesComeBackExactlyAsDeclared) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> tables = {
        {"Zutaten",
         {"ID", "Name", "Verkehrsbezeichnung", "DativPlural", "Portion", "Klasse", "weiblich",
          "Plural", "kennzPflichtig", "Fleischanteil", "fleischanteilAngeben"}},
        {"Menues",
         {"ID", "Name", "Verkehrsbezeichnung", "bw", "ew", "kh", "zu", "fe", "gf", "ba", "na",
          "be"}},
        {"Anteile",
         {"Eltern", "Kind", "Anteil", "mengeAngeben", "imTitel", "wertgebend",
          "mengeAufMenueBeziehen", "veraenderlicheAnteile"}},
        {"Mengen",
         {"Eltern", "Kind", "Fuellmenge", "mengeAngeben", "imTitel", "wertgebend",
          "veraenderlicheAnteile"}},
        {"Version", {"Version"}},
    };
    for (const auto& [table, columns] : tables) {
        OdbcStatement statement(session);
        ASSERT_EQ(statement.execute("SELECT * FROM " + table + ";"), SQL_SUCCESS);
        EXPECT_EQ(statement.columnNames(), columns) << table;
    }
}

TEST_F(DriverEntryPointsTest, ColumnsAreDescribedWithTheTypesTheProgramReads) {
    OdbcStatement statement(session);
    ASSERT_EQ(statement.execute("SELECT ID, Name, weiblich, Fleischanteil FROM Zutaten;"),
              SQL_SUCCESS);
    EXPECT_EQ(statement.columnType(1), SQL_INTEGER);
    EXPECT_EQ(statement.columnType(2), SQL_VARCHAR);
    EXPECT_EQ(statement.columnType(3), SQL_BIT);
    EXPECT_EQ(statement.columnType(4), SQL_DOUBLE);
}

TEST_F(DriverEntryPointsTest, DeleteWithAsteriskRemovesOnlyTheChosenRows) {
    ASSERT_EQ(session.execute(insertShare(5, 1)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertShare(5, 2)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertShare(6, 1)), SQL_SUCCESS);
    EXPECT_EQ(session.execute("DELETE * FROM Anteile WHERE Eltern = 5;"), SQL_SUCCESS);
    EXPECT_EQ(countRows("SELECT count(*) FROM Anteile WHERE Eltern = 5"), 0);
    EXPECT_EQ(countRows("SELECT count(*) FROM Anteile WHERE Eltern = 6"), 1);
    EXPECT_EQ(session.execute("delete * from Anteile WHERE Eltern=6;"), SQL_SUCCESS);
    EXPECT_EQ(countRows("SELECT count(*) FROM Anteile"), 0);
}

TEST_F(DriverEntryPointsTest, DeletePhraseInsideALiteralIsStoredUnchanged) {
    ASSERT_EQ(session.execute(insertIngredient(17, "DELETE * FROM Zutaten")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten WHERE ID = 17;");
    EXPECT_EQ(statement.text(1), "DELETE * FROM Zutaten");
}

TEST_F(DriverEntryPointsTest, LikeOnTheNumericIdMatchesItsDigits) {
    for (const int id : {7, 12, 120}) {
        ASSERT_EQ(session.execute(insertIngredient(id, "Salz")), SQL_SUCCESS);
    }
    OdbcStatement statement(session);
    ASSERT_EQ(statement.execute("SELECT * FROM Zutaten WHERE Name LIKE '%Pfeffer%' OR "
                                "ID LIKE '%12%' ORDER BY ID ASC;"),
              SQL_SUCCESS);
    std::vector<int> found;
    while (statement.fetch()) {
        found.push_back(statement.integer(1));
    }
    EXPECT_EQ(found, (std::vector<int>{12, 120}));
}

TEST_F(DriverEntryPointsTest, UmlautsRoundTripWhileTheFileHoldsUtf8) {
    const std::string name = "Gr\xFC\xDF \x80"; // "Grüß €" in Windows-1252
    ASSERT_EQ(session.execute(insertIngredient(17, name)), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name, hex(Name), length(Name) FROM Zutaten WHERE ID = 17;");
    EXPECT_EQ(statement.text(1), name);
    // SQLite's own view: G r ü(C3 BC) ß(C3 9F) blank €(E2 82 AC), six characters.
    EXPECT_EQ(statement.text(2), "4772C3BCC39F20E282AC");
    EXPECT_EQ(statement.integer(3), 6);
}

TEST_F(DriverEntryPointsTest, SearchPatternWithUmlautFindsTheRow) {
    ASSERT_EQ(session.execute(insertIngredient(17, "R\xFC"
                                                   "bli")),
              SQL_SUCCESS);
    EXPECT_EQ(countRows("SELECT count(*) FROM Zutaten WHERE Name LIKE '%\xFC"
                        "b%'"),
              1);
}

TEST_F(DriverEntryPointsTest, LongValueIsHandedOutInPiecesThatFitTheBuffer) {
    const std::string name = "Rinderh\xFC"
                             "ftsteak gro\xDF \x84"
                             "Bio\x93";
    ASSERT_EQ(session.execute(insertIngredient(17, name)), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten WHERE ID = 17;");

    constexpr SQLLEN capacity = 8;
    std::string collected;
    SQLRETURN result = SQL_SUCCESS_WITH_INFO;
    while (result == SQL_SUCCESS_WITH_INFO) {
        buffer.fill(untouched);
        SQLLEN remaining = 0;
        result = SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), capacity, &remaining);
        ASSERT_TRUE(SQL_SUCCEEDED(result));
        EXPECT_EQ(remaining, static_cast<SQLLEN>(name.size() - collected.size()));
        EXPECT_EQ(buffer[capacity], untouched) << "written past the buffer";
        collected += reinterpret_cast<const char*>(buffer.data());
    }
    EXPECT_EQ(collected, name);
    SQLLEN indicator = 0;
    EXPECT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), capacity, &indicator),
              SQL_NO_DATA);
}

TEST_F(DriverEntryPointsTest, EmptyBufferReportsTheLengthAndKeepsTheValueForTheNextCall) {
    ASSERT_EQ(session.execute(insertIngredient(17, "K\xE4se")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten WHERE ID = 17;");
    SQLLEN length = 0;
    EXPECT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), 0, &length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(statement.text(1), "K\xE4se");
}

TEST_F(DriverEntryPointsTest, NextRowDropsTheUnreadRestOfAValue) {
    ASSERT_EQ(session.execute(insertIngredient(1, "Kartoffeln")), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertIngredient(2, "Reis")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten ORDER BY ID ASC;");
    SQLLEN length = 0;
    EXPECT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), 4, &length),
              SQL_SUCCESS_WITH_INFO);
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.text(1), "Reis");
}

TEST_F(DriverEntryPointsTest, ColumnNamesWithUmlautsArriveInWindows1252) {
    OdbcStatement statement(session);
    ASSERT_EQ(statement.execute("SELECT 1 AS Gr\xF6\xDF"
                                "e;"),
              SQL_SUCCESS);
    EXPECT_EQ(statement.columnNames(), std::vector<std::string>{"Gr\xF6\xDF"
                                                                "e"});
    SQLCHAR label[programBufferSize] = {};
    SQLSMALLINT length = 0;
    EXPECT_EQ(SQLColAttribute(statement.handle(), 1, SQL_DESC_LABEL, label, programBufferSize,
                              &length, nullptr),
              SQL_SUCCESS);
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(reinterpret_cast<char*>(label), "Gr\xF6\xDF"
                                                 "e");
}

TEST_F(DriverEntryPointsTest, MissingDatabaseFileIsRefusedAndNotCreated) {
    const std::string missing = folder.file("missing.mdb");
    OdbcSession other;
    EXPECT_FALSE(SQL_SUCCEEDED(other.connectFile(missing)));
    EXPECT_FALSE(std::filesystem::exists(missing));
}
