// JSON string literals of UTF-8 text, for the tool's machine-readable output.
#pragma once

#include <string>

class JsonText {
public:
    JsonText() = delete;

    // Between double quotes, with quote, backslash and every control character below 32
    // escaped; all other bytes are kept, so UTF-8 stays UTF-8.
    static std::string quoted(const std::string& utf8);
};
