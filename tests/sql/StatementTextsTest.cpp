// The search statement texts run through the real chain in the database's dialect (true/false
// literals, LIKE on the numeric ID).
#include "DatabaseTest.h"

#include "sql/Connection.h"
#include "sql/ResultSet.h"
#include "sql/SqlLiteral.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

JovString insertMenu(int id, const char* name) {
    return JovString("INSERT INTO Menues (name,fe,zu,gf,ba,na,be,kh,ew,bw,ID) VALUES (") +
           SqlLiteral::quoted(name) + ",4.2,1.5,0.8,2.1,0.35,1.1,12.5,6.3,118," +
           JovString::valueOf(id) + ");";
}

JovString insertIngredient(int id, const char* name) {
    return JovString("INSERT INTO Zutaten (Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,"
                     "weiblich,Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben,ID) "
                     "VALUES (") +
           SqlLiteral::quoted(name) + ",NULL,NULL,NULL,NULL,true,true,false,0.000000,false," +
           JovString::valueOf(id) + ");";
}

} // namespace

class StatementTextsTest : public DatabaseTest {
protected:
    // The integer column of every row a query yields, in order.
    static std::vector<int> column(const JovString& sql, const char* name) {
        Query query(connection, sql);
        std::vector<int> values;
        while (query.result != nullptr && query.result->next()) {
            values.push_back(query.result->getInt(name));
        }
        return values;
    }
};

TEST_F(StatementTextsTest, MenuSearchHidesTheReservedRowOutsideSetupMode) {
    execute(insertMenu(0, "Vorlage"));
    execute(insertMenu(310, "Linseneintopf"));
    execute(insertMenu(25, "Hühnerfrikassee"));
    execute(insertMenu(125, "Königsberger Klopse"));
    const JovString everything = "SELECT * FROM Menues WHERE (Name LIKE '%%' OR ID LIKE '%%') ";
    EXPECT_EQ(column(everything + " ORDER BY ID ASC;", "ID"), std::vector<int>({0, 25, 125, 310}));
    EXPECT_EQ(column(everything + "AND ID <> 0 ORDER BY ID ASC;", "ID"),
              std::vector<int>({25, 125, 310}));
}

TEST_F(StatementTextsTest, IngredientSearchMatchesNameOrArticleNumber) {
    execute(insertIngredient(17, "Zwiebeln"));
    execute(insertIngredient(170, "Möhren"));
    for (const auto& [pattern, rows] : {std::pair<const char*, int>{"%17%", 2},
                                        {"%170%", 1},
                                        {"%öhr%", 1},
                                        {"%Zwi_beln%", 1},
                                        {"%%", 2}}) {
        EXPECT_EQ(rowCount(JovString("SELECT * FROM Zutaten WHERE Name LIKE '") + pattern +
                           "' OR ID LIKE '" + pattern + "' ORDER BY ID ASC;"),
                  rows)
            << pattern;
    }
}
