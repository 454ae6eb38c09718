// JSON string escaping.

#include "app/labeltext/JsonText.h"

#include <cstdio>

namespace {
constexpr unsigned char firstPrintable = 0x20;
constexpr std::size_t unicodeEscapeSize = sizeof "\\u0000";

// The short escape of a character, or null when it has none.
const char* shortEscape(char c) {
    switch (c) {
    case '"':
        return "\\\"";
    case '\\':
        return "\\\\";
    case '\b':
        return "\\b";
    case '\f':
        return "\\f";
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        return nullptr;
    }
}
} // namespace

std::string JsonText::quoted(const std::string& utf8) {
    std::string literal = "\"";
    for (const char c : utf8) {
        if (const char* escape = shortEscape(c)) {
            literal += escape;
        } else if (static_cast<unsigned char>(c) < firstPrintable) {
            char escaped[unicodeEscapeSize];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            literal += escaped;
        } else {
            literal += c;
        }
    }
    return literal + "\"";
}
