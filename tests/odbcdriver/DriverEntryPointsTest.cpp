// The adapter's entry points through the whole chain: the program's statement texts and what
// SQLGetData hands back, in Windows-1252 and in pieces that fit the caller's buffer.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr unsigned char untouched = 0xEE;
constexpr SQLLEN programBufferSize = 1024;

// The program's own insert statement text for an ingredient.
std::string insertIngredient(int id, const std::string& name) {
    return "INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,"
           "Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES ('" +
           name + "',NULL,NULL,NULL,NULL,true,false,false,0.000000,false," + std::to_string(id) +
           ");";
}

} // namespace

class DriverEntryPointsTest : public AdapterDatabaseTest {
protected:
    // Runs a query and positions it on its first row.
    void select(OdbcStatement& statement, const std::string& text) {
        ASSERT_EQ(statement.execute(text), SQL_SUCCESS) << statement.message();
        ASSERT_TRUE(statement.fetch());
    }

    std::array<unsigned char, programBufferSize> buffer{};
};

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
