// Reading result rows through the real chain: raw value bytes per column type, NULLs, exact
// column names, cut values and umlauts.
#include "DatabaseTest.h"

#include "sql/Connection.h"
#include "sql/ResultSet.h"
#include "sql/SqlLiteral.h"

#include <gtest/gtest.h>
#include <string>

// Zutaten row 17 with NULL texts, read back by selectRow.
class ResultSetTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        execute("INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,"
                "Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES "
                "('Zwiebeln',NULL,NULL,NULL,NULL,true,true,false,0.250000,true,17);");
    }

    static constexpr const char* selectRow = "SELECT * FROM Zutaten WHERE ID = 17;";

    static void setName(const JovString& name) {
        execute(JovString("UPDATE Zutaten SET Name=") + SqlLiteral::quoted(name) + " WHERE ID=17;");
    }
};

TEST_F(ResultSetTest, ValuesArriveInTheirDefaultMachineForm) {
    Query query(connection, selectRow);
    ASSERT_NE(query.result, nullptr);
    ASSERT_TRUE(query.result->next());
    EXPECT_EQ(query.result->getString("ID")->length(), 4);
    EXPECT_EQ(query.result->getString("Fleischanteil")->length(), 8);
    EXPECT_EQ(query.result->getString("weiblich")->length(), 1);
    EXPECT_EQ(query.result->getInt("ID"), 17);
    EXPECT_DOUBLE_EQ(query.result->getDouble("Fleischanteil"), 0.25);
    EXPECT_TRUE(query.result->getBoolean("weiblich"));
    EXPECT_FALSE(query.result->getBoolean("kennzPflichtig"));
    EXPECT_STREQ(query.result->getString("Name")->chars(), "Zwiebeln");
}

TEST_F(ResultSetTest, NullReadsAsEmptyTextAndZero) {
    execute("INSERT INTO Mengen (Eltern,Fuellmenge,mengeAngeben,imTitel,wertgebend,"
            "veraenderlicheAnteile,Kind) VALUES (5,NULL,NULL,false,false,false,17);");
    Query query(connection, "SELECT * FROM Mengen WHERE Eltern = 5 ORDER BY Fuellmenge DESC");
    ASSERT_TRUE(query.result->next());
    EXPECT_EQ(query.result->getInt("Fuellmenge"), 0);
    EXPECT_FALSE(query.result->getBoolean("mengeAngeben"));
    EXPECT_EQ(query.result->getString("Fuellmenge")->length(), 0);

    Query ingredient(connection, selectRow);
    ASSERT_TRUE(ingredient.result->next());
    EXPECT_STREQ(ingredient.result->getString("Verkehrsbezeichnung")->chars(), "");
}

TEST_F(ResultSetTest, ColumnsAreFoundByExactCaseSensitiveName) {
    Query query(connection, selectRow);
    ASSERT_TRUE(query.result->next());
    EXPECT_EQ(query.result->getString("id"), nullptr);
    EXPECT_EQ(query.result->getInt("id"), 0);
    EXPECT_EQ(query.result->getDouble("fleischanteil"), 0.0);
    EXPECT_FALSE(query.result->getBoolean("Weiblich"));
    EXPECT_EQ(query.result->getString("NoSuchColumn"), nullptr);
}

TEST_F(ResultSetTest, RowIsEmptyBeforeFirstAndAfterLastFetch) {
    Query query(connection, selectRow);
    EXPECT_EQ(query.result->getString("Name"), nullptr);
    EXPECT_TRUE(query.result->next());
    EXPECT_FALSE(query.result->next());
    EXPECT_EQ(query.result->getString("Name"), nullptr);
    EXPECT_EQ(query.result->getInt("ID"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Zutaten WHERE ID = 99;"), 0);
}

TEST_F(ResultSetTest, FailedQueryYieldsNull) {
    EXPECT_EQ(rowCount("SELECT * FROM Lieferanten;"), -1);
    EXPECT_EQ(rowCount("SELEKT Name FROM Zutaten;"), -1);
}

TEST_F(ResultSetTest, UmlautsAndQuotesRoundTripAsSingleBytes) {
    const JovString name = "Käse-Spätzle mit Oma's Röstzwiebeln, Grüße à 5 €";
    setName(name);
    Query query(connection, selectRow);
    ASSERT_TRUE(query.result->next());
    const JovString* stored = query.result->getString("Name");
    EXPECT_TRUE(*stored == name);
    EXPECT_EQ(stored->length(), name.length());
    EXPECT_EQ(static_cast<unsigned char>(stored->charAt(1)), 0xE4); // ä in Windows-1252
}

TEST_F(ResultSetTest, OverlongValueIsCutInsideTheBuffer) {
    setName(std::string(3000, 'x').c_str());
    Query query(connection, selectRow);
    ASSERT_TRUE(query.result->next());
    EXPECT_EQ(query.result->getString("Name")->length(), 1023);
    EXPECT_EQ(query.result->getInt("ID"), 17);
}
