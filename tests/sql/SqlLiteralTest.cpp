// Text literals in statement texts.
#include "sql/SqlLiteral.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

using SqlLiteralTest = LiveObjectTest;

TEST_F(SqlLiteralTest, PlainTextIsOnlyEnclosed) {
    EXPECT_STREQ(SqlLiteral::quoted("Zwiebeln").chars(), "'Zwiebeln'");
    EXPECT_STREQ(SqlLiteral::quoted("").chars(), "''");
}

TEST_F(SqlLiteralTest, EveryQuoteIsDoubled) {
    EXPECT_STREQ(SqlLiteral::quoted("Oma's").chars(), "'Oma''s'");
    EXPECT_STREQ(SqlLiteral::quoted("'").chars(), "''''");
    EXPECT_STREQ(SqlLiteral::quoted("a''b'").chars(), "'a''''b'''");
}
