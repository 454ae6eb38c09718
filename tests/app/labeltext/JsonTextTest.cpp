// JSON string literals: everything JSON requires is escaped, UTF-8 passes unchanged.
#include "app/labeltext/JsonText.h"

#include <gtest/gtest.h>
#include <string>

TEST(JsonTextTest, PlainTextIsOnlyQuoted) {
    EXPECT_EQ(JsonText::quoted("Hähnchenbrust_(40%), Reis"), "\"Hähnchenbrust_(40%), Reis\"");
    EXPECT_EQ(JsonText::quoted(""), "\"\"");
}

TEST(JsonTextTest, QuotesBackslashesAndControlCharactersAreEscaped) {
    EXPECT_EQ(JsonText::quoted("Soße \"nach Art des Hauses\""),
              "\"Soße \\\"nach Art des Hauses\\\"\"");
    EXPECT_EQ(JsonText::quoted("a\\b"), "\"a\\\\b\"");
    EXPECT_EQ(JsonText::quoted("Zeile 1\nZeile 2\r\tEnde\b\f"),
              "\"Zeile 1\\nZeile 2\\r\\tEnde\\b\\f\"");
    EXPECT_EQ(JsonText::quoted(std::string("\x01\x1f", 2)), "\"\\u0001\\u001f\"");
    EXPECT_EQ(JsonText::quoted(std::string("a\0b", 3)), "\"a\\u0000b\"");
}

TEST(JsonTextTest, MultiByteCharactersStayAsTheyAre) {
    const std::string utf8 = "\xC3\xA4\xE2\x82\xAC\x7F";
    EXPECT_EQ(JsonText::quoted(utf8), "\"" + utf8 + "\"");
}
