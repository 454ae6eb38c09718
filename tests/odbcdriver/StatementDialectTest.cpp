// Statement texts of the program rewritten for SQLite: DELETE with an asterisk.
#include "odbcdriver/StatementDialect.h"

#include <gtest/gtest.h>

TEST(StatementDialectTest, DeleteAsteriskFromLosesTheAsteriskInAnyCaseAndSpacing) {
    const struct {
        const char* text;
        const char* rewritten;
    } cases[] = {
        {"DELETE * FROM Anteile WHERE Eltern = 5;", "DELETE FROM Anteile WHERE Eltern = 5;"},
        {"delete * from Mengen WHERE Eltern=3;", "delete from Mengen WHERE Eltern=3;"},
        {"Delete*From Mengen", "Delete From Mengen"},
        {"DELETE\t*\r\nFROM Mengen", "DELETE FROM Mengen"},
        {"SELECT 'a''b'; DELETE * FROM t", "SELECT 'a''b'; DELETE FROM t"},
        {"DELETE * FROM t WHERE Name = 'abc", "DELETE FROM t WHERE Name = 'abc"},
        // An apostrophe in a comment opens no literal.
        {"/* it's */ DELETE * FROM t WHERE Name = 'x'",
         "/* it's */ DELETE FROM t WHERE Name = 'x'"},
        {"-- it's\nDELETE * FROM t", "-- it's\nDELETE FROM t"},
        {"SELECT 1 - -1; DELETE * FROM t", "SELECT 1 - -1; DELETE FROM t"},
        {"SELECT '/*'; DELETE * FROM t", "SELECT '/*'; DELETE FROM t"},
    };
    for (const auto& [text, rewritten] : cases) {
        EXPECT_EQ(StatementDialect::dropDeleteAsterisk(text), rewritten);
    }
}

TEST(StatementDialectTest, QuotedPhrasesOtherStatementsAndLookalikesStayAsTheyAre) {
    for (const char* text :
         {"INSERT INTO Zutaten (Name) VALUES ('DELETE * FROM Zutaten');",
          "UPDATE Zutaten SET Name='it''s DELETE * FROM x' WHERE ID=1;",
          "SELECT \"DELETE * FROM\", [DELETE * FROM] FROM t", "SELECT 'abc DELETE * FROM t",
          "SELECT * FROM Zutaten", "DELETE FROM Zutaten", "UNDELETE * FROM t", "DELETE * FROMAGE",
          "DELETE * ", "DELETE", "", "MY_DELETE * FROM t", "/* DELETE * FROM t */",
          "SELECT 1 -- DELETE * FROM t", "/* open"}) {
        EXPECT_EQ(StatementDialect::dropDeleteAsterisk(text), text);
    }
}
