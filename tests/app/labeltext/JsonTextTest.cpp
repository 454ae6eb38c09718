// JSON string literals: everything JSON requires is escaped, UTF-8 passes unchanged.
#include "app/labeltext/JsonText.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

TEST(JsonTextTest, QuotesBackslashesAndControlCharactersAreEscapedAndTheRestKept) {
    const std::pair<std::string, std::string> cases[] = {
        {"Hähnchenbrust_(40%), Reis", "\"Hähnchenbrust_(40%), Reis\""},
        {"", "\"\""},
        {"Soße \"nach Art des Hauses\"", "\"Soße \\\"nach Art des Hauses\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"Zeile 1\nZeile 2\r\tEnde\b\f", "\"Zeile 1\\nZeile 2\\r\\tEnde\\b\\f\""},
        {std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {std::string("a\0b", 3), "\"a\\u0000b\""},
        {"\xC3\xA4\xE2\x82\xAC\x7F", "\"\xC3\xA4\xE2\x82\xAC\x7F\""},
    };
    for (const auto& [text, literal] : cases) {
        EXPECT_EQ(JsonText::quoted(text), literal);
    }
}
