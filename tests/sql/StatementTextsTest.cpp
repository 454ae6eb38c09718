// Every statement text the program sends, with sample values, run through the real chain in the
// database's dialect (DELETE *, true/false literals, LIKE on the numeric ID).
#include "DatabaseTest.h"

#include "sql/Connection.h"
#include "sql/ResultSet.h"
#include "sql/SqlLiteral.h"

#include <gtest/gtest.h>

namespace {
const char* const insertOnions =
    "INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,Plural,"
    "kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES "
    "('Zwiebeln',NULL,NULL,NULL,NULL,true,true,false,0.000000,false,17);";

JovString insertShare(int parent, const char* share, int child) {
    return JovString("INSERT INTO Anteile (Eltern,Anteil,mengeAngeben,imTitel,wertgebend,"
                     "mengeAufMenueBeziehen,veraenderlicheAnteile,Kind) VALUES (") +
           JovString::valueOf(parent) + "," + share + ",true,false,true,false,false," +
           JovString::valueOf(child) + ");";
}

JovString insertFill(int menu, int grams, int child) {
    return JovString("INSERT INTO Mengen (Eltern,Fuellmenge,mengeAngeben,imTitel,wertgebend,"
                     "veraenderlicheAnteile,Kind) VALUES (") +
           JovString::valueOf(menu) + "," + JovString::valueOf(grams) + ",false,true,false,false," +
           JovString::valueOf(child) + ");";
}

JovString insertMenu(int id, const char* name) {
    return JovString("INSERT INTO Menues (name,fe,zu,gf,ba,na,be,kh,ew,bw,ID) VALUES (") +
           SqlLiteral::quoted(name) + ",4.2,1.5,0.8,2.1,0.35,1.1,12.5,6.3,118," +
           JovString::valueOf(id) + ");";
}
} // namespace

using StatementTextsTest = DatabaseTest;

TEST_F(StatementTextsTest, IngredientIsInsertedReadChangedAndDeleted) {
    execute(insertOnions);
    {
        Query byId(connection, "SELECT * FROM Zutaten WHERE ID = 17;");
        ASSERT_TRUE(byId.result->next());
        EXPECT_STREQ(byId.result->getString("Name")->chars(), "Zwiebeln");
        EXPECT_TRUE(byId.result->getBoolean("Plural"));
    }
    EXPECT_EQ(rowCount("SELECT * FROM Zutaten WHERE ID = 17"), 1);

    execute("UPDATE Zutaten SET Name='Rote Zwiebeln',Verkehrsbezeichnung='Zwiebeln, rot',"
            "DativPlural=NULL,Portion='T',Klasse='Konservierungsstoff',weiblich=false,Plural=true,"
            "kennzPflichtig=true,Fleischanteil=0.300000,fleischanteilAngeben=true WHERE ID=17;");
    {
        Query changed(connection, "SELECT * FROM Zutaten WHERE ID = 17;");
        ASSERT_TRUE(changed.result->next());
        EXPECT_STREQ(changed.result->getString("Verkehrsbezeichnung")->chars(), "Zwiebeln, rot");
        EXPECT_STREQ(changed.result->getString("Portion")->chars(), "T");
        EXPECT_STREQ(changed.result->getString("Klasse")->chars(), "Konservierungsstoff");
        EXPECT_FALSE(changed.result->getBoolean("weiblich"));
        EXPECT_DOUBLE_EQ(changed.result->getDouble("Fleischanteil"), 0.3);
    }

    execute(insertShare(17, "0.500000", 3));
    execute("DELETE * FROM Anteile WHERE Eltern = 17;");
    execute("DELETE * FROM Zutaten WHERE ID = 17;");
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Eltern = 17;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Zutaten WHERE ID = 17;"), 0);
}

TEST_F(StatementTextsTest, SharesComeLargestFirst) {
    execute(insertShare(40, "0.200000", 41));
    execute(insertShare(40, "0.700000", 42));
    execute(insertShare(40, "0.100000", 43));
    execute(insertShare(50, "0.900000", 42));
    Query shares(connection, "SELECT * FROM Anteile WHERE Eltern = 40 ORDER BY Anteil DESC");
    ASSERT_NE(shares.result, nullptr);
    int children[3] = {};
    for (int& child : children) {
        ASSERT_TRUE(shares.result->next());
        child = shares.result->getInt("Kind");
        EXPECT_TRUE(shares.result->getBoolean("mengeAngeben"));
        EXPECT_TRUE(shares.result->getBoolean("wertgebend"));
        EXPECT_FALSE(shares.result->getBoolean("mengeAufMenueBeziehen"));
    }
    EXPECT_FALSE(shares.result->next());
    EXPECT_EQ(children[0], 42);
    EXPECT_EQ(children[1], 41);
    EXPECT_EQ(children[2], 43);

    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Kind = 42;"), 2);
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Eltern = 40;"), 3);
    execute("DELETE * FROM Anteile WHERE Eltern = 40;");
    EXPECT_EQ(rowCount("SELECT * FROM Anteile WHERE Kind = 42;"), 1);
}

TEST_F(StatementTextsTest, FillQuantitiesComeHeaviestFirstAndAreRewritten) {
    execute(insertFill(7, 150, 41));
    execute(insertFill(7, 220, 42));
    execute(insertFill(8, 90, 41));
    {
        Query fills(connection, "SELECT * FROM Mengen WHERE Eltern = 7 ORDER BY Fuellmenge DESC");
        ASSERT_TRUE(fills.result->next());
        EXPECT_EQ(fills.result->getInt("Fuellmenge"), 220);
        EXPECT_TRUE(fills.result->getBoolean("imTitel"));
        ASSERT_TRUE(fills.result->next());
        EXPECT_EQ(fills.result->getInt("Kind"), 41);
    }
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Kind = 41;"), 2);
    execute("DELETE * FROM Mengen WHERE Eltern=7;");
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Kind = 41;"), 1);
    execute("DELETE * FROM Mengen WHERE Eltern = 8;");
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Kind = 41;"), 0);
}

TEST_F(StatementTextsTest, MenuIsInsertedChangedNamedAndDeleted) {
    execute(insertMenu(12, "Gulasch mit Nudeln"));
    execute("UPDATE Menues SET name='Rindergulasch mit Nudeln',fe=5.1,zu=1.5,gf=2,ba=1.2,na=0.4,"
            "be=1,kh=13,ew=8.5,bw=12.5 WHERE ID=12;");
    execute(
        "UPDATE Menues SET Verkehrsbezeichnung='Rindergulasch (40 %) mit Nudeln' WHERE ID = 12;");
    {
        Query menu(connection, "SELECT * FROM Menues WHERE ID = 12;");
        ASSERT_TRUE(menu.result->next());
        EXPECT_STREQ(menu.result->getString("Name")->chars(), "Rindergulasch mit Nudeln");
        EXPECT_STREQ(menu.result->getString("Verkehrsbezeichnung")->chars(),
                     "Rindergulasch (40 %) mit Nudeln");
        EXPECT_DOUBLE_EQ(menu.result->getDouble("bw"), 12.5);
        EXPECT_DOUBLE_EQ(menu.result->getDouble("na"), 0.4);
        EXPECT_DOUBLE_EQ(menu.result->getDouble("gf"), 2.0);
    }
    execute(insertFill(12, 300, 41));
    execute("DELETE * FROM Mengen WHERE Eltern = 12;");
    execute("DELETE * FROM Menues WHERE ID = 12;");
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 12;"), 0);
    EXPECT_EQ(rowCount("SELECT * FROM Mengen WHERE Eltern = 12 ORDER BY Fuellmenge DESC"), 0);
}

TEST_F(StatementTextsTest, MenuSearchHidesTheReservedRowOutsideSetupMode) {
    execute(insertMenu(0, "Vorlage"));
    execute(insertMenu(310, "Linseneintopf"));
    execute(insertMenu(25, "Hühnerfrikassee"));
    execute(insertMenu(125, "Königsberger Klopse"));
    const JovString everything = "SELECT * FROM Menues WHERE (Name LIKE '%%' OR ID LIKE '%%') ";
    EXPECT_EQ(rowCount(everything + " ORDER BY ID ASC;"), 4);
    EXPECT_EQ(rowCount("SELECT * FROM Menues WHERE ID = 0;"), 1);

    Query normalMode(connection, everything + "AND ID <> 0 ORDER BY ID ASC;");
    int ids[3] = {};
    for (int& id : ids) {
        ASSERT_TRUE(normalMode.result->next());
        id = normalMode.result->getInt("ID");
    }
    EXPECT_FALSE(normalMode.result->next());
    EXPECT_EQ(ids[0], 25);
    EXPECT_EQ(ids[1], 125);
    EXPECT_EQ(ids[2], 310);
}

TEST_F(StatementTextsTest, IngredientSearchMatchesNameOrArticleNumber) {
    execute(insertOnions);
    execute("INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,weiblich,"
            "Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) VALUES "
            "('Möhren',NULL,NULL,NULL,NULL,true,true,false,0.000000,false,170);");
    const auto search = [](const char* pattern) {
        return rowCount(JovString("SELECT * FROM Zutaten WHERE Name LIKE '") + pattern +
                        "' OR ID LIKE '" + pattern + "' ORDER BY ID ASC;");
    };
    EXPECT_EQ(search("%17%"), 2);
    EXPECT_EQ(search("%170%"), 1);
    EXPECT_EQ(search("%öhr%"), 1);
    EXPECT_EQ(search("%Zwi_beln%"), 1);
    EXPECT_EQ(search("%%"), 2);
}

TEST_F(StatementTextsTest, ApostropheInANameIsStoredAsTyped) {
    const JovString name = "Oma's Kartoffelsalat";
    execute(JovString("INSERT INTO Menues (name,fe,zu,gf,ba,na,be,kh,ew,bw,ID) VALUES (") +
            SqlLiteral::quoted(name) + ",0,0,0,0,0,0,0,0,0,3);");
    Query menu(connection, "SELECT * FROM Menues WHERE ID = 3;");
    ASSERT_TRUE(menu.result->next());
    EXPECT_TRUE(*menu.result->getString("Name") == name);
}
