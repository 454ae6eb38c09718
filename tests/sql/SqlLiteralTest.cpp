// Text literals in statement texts.
#include "sql/SqlLiteral.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>
#include <utility>

using SqlLiteralTest = LiveObjectTest;

TEST_F(SqlLiteralTest, TextIsEnclosedWithEveryQuoteDoubled) {
    for (const auto& [text, literal] :
         {std::pair<const char*, const char*>{"Zwiebeln", "'Zwiebeln'"},
          {"", "''"},
          {"Oma's", "'Oma''s'"},
          {"a''b'", "'a''''b'''"}}) {
        EXPECT_STREQ(SqlLiteral::quoted(text).chars(), literal);
    }
}
