// Statement texts of the program rewritten for SQLite: DELETE with an asterisk and the code page.
#include "odbcdriver/StatementDialect.h"

#include <gtest/gtest.h>

TEST(StatementDialectTest, DeleteAsteriskFromLosesTheAsterisk) {
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("DELETE * FROM Anteile WHERE Eltern = 5;"),
              "DELETE FROM Anteile WHERE Eltern = 5;");
}

TEST(StatementDialectTest, LetterCaseAndSpacingDoNotMatter) {
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("delete * from Mengen WHERE Eltern=3;"),
              "delete from Mengen WHERE Eltern=3;");
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("Delete*From Mengen"), "Delete From Mengen");
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("DELETE\t*\r\nFROM Mengen"),
              "DELETE FROM Mengen");
}

TEST(StatementDialectTest, PhraseInsideQuotesIsLeftAlone) {
    const char* const literal = "INSERT INTO Zutaten (Name) VALUES ('DELETE * FROM Zutaten');";
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk(literal), literal);
    const char* const doubled = "UPDATE Zutaten SET Name='it''s DELETE * FROM x' WHERE ID=1;";
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk(doubled), doubled);
    const char* const names = "SELECT \"DELETE * FROM\", [DELETE * FROM] FROM t";
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk(names), names);
}

TEST(StatementDialectTest, RewriteAfterALiteralStillApplies) {
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("SELECT 'a''b'; DELETE * FROM t"),
              "SELECT 'a''b'; DELETE FROM t");
}

TEST(StatementDialectTest, OtherStatementsAndLookalikesStayAsTheyAre) {
    for (const char* text : {"SELECT * FROM Zutaten", "DELETE FROM Zutaten", "UNDELETE * FROM t",
                             "DELETE * FROMAGE", "DELETE * ", "DELETE", "", "MY_DELETE * FROM t"}) {
        EXPECT_EQ(StatementDialect::dropDeleteAsterisk(text), text);
    }
}

TEST(StatementDialectTest, UnterminatedLiteralEndsTheTextSafely) {
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("DELETE * FROM t WHERE Name = 'abc"),
              "DELETE FROM t WHERE Name = 'abc");
    EXPECT_EQ(StatementDialect::dropDeleteAsterisk("SELECT 'abc DELETE * FROM t"),
              "SELECT 'abc DELETE * FROM t");
}

TEST(StatementDialectTest, SqliteTextIsUtf8AndRewritten) {
    EXPECT_EQ(StatementDialect::toSqlite("DELETE * FROM Zutaten WHERE Name = 'K\xE4se';"),
              "DELETE FROM Zutaten WHERE Name = 'K\xC3\xA4se';");
}
