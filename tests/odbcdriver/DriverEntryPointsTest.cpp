// The adapter's entry points through the whole chain: the program's statement texts and what
// SQLGetData with the default target type hands back, in Windows-1252.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
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

template <typename Value> std::string machineBytes(Value value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
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

// Integers as 4 signed bytes, yes/no as one byte, doubles as 8 bytes, text zero-terminated.
TEST_F(DriverEntryPointsTest, ValuesArriveInTheMachineFormOfTheirDescribedType) {
    ASSERT_EQ(session.execute(insertIngredient(-17, "Zwiebeln", true, "0.300000")), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertIngredient(18, "Lauch", false, "1.5E+06")), SQL_SUCCESS);
    const SQLSMALLINT types[] = {SQL_INTEGER, SQL_BIT, SQL_DOUBLE, SQL_VARCHAR};
    const std::vector<std::string> rows[] = {
        {machineBytes<std::int32_t>(-17), std::string(1, '\1'), machineBytes(0.3), "Zwiebeln"},
        {machineBytes<std::int32_t>(18), std::string(1, '\0'), machineBytes(1.5e6), "Lauch"},
    };
    OdbcStatement statement(session);
    select(statement, "SELECT ID, weiblich, Fleischanteil, Name FROM Zutaten ORDER BY ID ASC;");
    for (std::size_t index = 0; index < std::size(rows); ++index) {
        if (index > 0) {
            ASSERT_TRUE(statement.fetch());
        }
        const std::vector<std::string>& row = rows[index];
        for (SQLUSMALLINT column = 1; column <= row.size(); ++column) {
            const std::string& bytes = row[column - 1];
            SCOPED_TRACE(row[3] + " column " + std::to_string(column));
            EXPECT_EQ(statement.columnType(column), types[column - 1]);
            ASSERT_EQ(readDefault(statement, column), static_cast<SQLLEN>(bytes.size()));
            EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()), bytes.size()), bytes);
            EXPECT_EQ(buffer[bytes.size()], types[column - 1] == SQL_VARCHAR ? 0 : untouched);
        }
    }
}

TEST_F(DriverEntryPointsTest, NullValuesReportTheNullIndicator) {
    ASSERT_EQ(session.execute(insertIngredient(17, "Zwiebeln")), SQL_SUCCESS);
    ASSERT_EQ(session.execute("INSERT INTO Mengen (Eltern,Fuellmenge,mengeAngeben,imTitel,"
                              "wertgebend,veraenderlicheAnteile,Kind) VALUES "
                              "(5,NULL,NULL,false,false,false,17);"),
              SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Verkehrsbezeichnung, Fuellmenge, mengeAngeben FROM Zutaten, Mengen "
                      "WHERE ID = 17 AND Kind = 17;");
    for (SQLUSMALLINT column = 1; column <= 3; ++column) {
        EXPECT_EQ(readDefault(statement, column), SQL_NULL_DATA) << "column " << column;
    }
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

TEST_F(DriverEntryPointsTest, DeleteWithAsteriskRemovesOnlyTheChosenRowsAndQuotesStayUnchanged) {
    ASSERT_EQ(session.execute(insertShare(5, 1)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertShare(5, 2)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertShare(6, 1)), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertIngredient(17, "DELETE * FROM Zutaten")), SQL_SUCCESS);
    EXPECT_EQ(session.execute("DELETE * FROM Anteile WHERE Eltern = 5;"), SQL_SUCCESS);
    EXPECT_EQ(countRows("SELECT count(*) FROM Anteile WHERE Eltern = 5"), 0);
    EXPECT_EQ(countRows("SELECT count(*) FROM Anteile WHERE Eltern = 6"), 1);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten WHERE ID = 17;");
    EXPECT_EQ(statement.text(1), "DELETE * FROM Zutaten");
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

TEST_F(DriverEntryPointsTest, EmptyBufferKeepsTheValueButTheNextRowDropsItsUnreadRest) {
    ASSERT_EQ(session.execute(insertIngredient(1, "K\xE4se")), SQL_SUCCESS);
    ASSERT_EQ(session.execute(insertIngredient(2, "Reis")), SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten ORDER BY ID ASC;");
    SQLLEN length = 0;
    EXPECT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), 0, &length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, buffer.data(), 3, &length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_STREQ(reinterpret_cast<char*>(buffer.data()), "K\xE4");
    ASSERT_TRUE(statement.fetch());
    EXPECT_EQ(statement.text(1), "Reis");
}

TEST_F(DriverEntryPointsTest, MissingDatabaseFileIsRefusedAndNotCreated) {
    const std::string missing = folder.file("missing.mdb");
    OdbcSession other;
    EXPECT_FALSE(SQL_SUCCEEDED(other.connectFile(missing)));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(DriverEntryPointsTest, IntegerOutsideThirtyTwoBitsIsAnErrorNeverAWrappedValue) {
    ASSERT_EQ(
        session.execute("INSERT INTO Anteile (Eltern,Kind) VALUES (4294968297, -2147483648);"),
        SQL_SUCCESS);
    ASSERT_EQ(session.execute("INSERT INTO Menues (ID,Name) VALUES (4294967397,'Fremd');"),
              SQL_SUCCESS);
    const struct {
        const char* query;
        SQLSMALLINT type;
        bool inRange;
    } cases[] = {
        {"SELECT Eltern FROM Anteile;", SQL_C_DEFAULT, false},
        {"SELECT Eltern FROM Anteile;", SQL_C_ULONG, false},
        {"SELECT ID FROM Menues;", SQL_C_SLONG, false},
        {"SELECT Kind FROM Anteile;", SQL_C_DEFAULT, true},
        {"SELECT Kind FROM Anteile;", SQL_C_ULONG, false},
        {"SELECT 4294967295;", SQL_C_ULONG, true},
    };
    for (const auto& [query, type, inRange] : cases) {
        SCOPED_TRACE(query);
        OdbcStatement statement(session);
        select(statement, query);
        std::int32_t value = 0;
        SQLLEN indicator = 0;
        const SQLRETURN result =
            SQLGetData(statement.handle(), 1, type, &value, sizeof value, &indicator);
        if (inRange) {
            EXPECT_EQ(result, SQL_SUCCESS);
            EXPECT_EQ(indicator, 4);
            continue;
        }
        EXPECT_EQ(result, SQL_ERROR);
        EXPECT_EQ(value, 0) << "nothing may be written";
        EXPECT_EQ(statement.message().rfind("22003 ", 0), 0u) << statement.message();
        EXPECT_NE(statement.message().find("numeric value out of range"), std::string::npos);
    }
}

TEST_F(DriverEntryPointsTest, SixteenMegabyteValueIsReadWholeInUnderASecond) {
    constexpr int size = 16 * 1024 * 1024;
    ASSERT_EQ(session.execute("INSERT INTO Zutaten (ID,Name) VALUES (1, '\xE4' || substr(hex("
                              "zeroblob(" +
                              std::to_string(size / 2) + ")), 2));"),
              SQL_SUCCESS);
    OdbcStatement statement(session);
    select(statement, "SELECT Name FROM Zutaten;");
    std::vector<char> value(size + 1);
    SQLLEN length = 0;
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(SQLGetData(statement.handle(), 1, SQL_C_CHAR, value.data(), size + 1, &length),
              SQL_SUCCESS);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_EQ(length, size);
    EXPECT_EQ(std::string(value.data(), 3), "\xE4"
                                            "00");
    EXPECT_EQ(value[size - 1], '0');
}
