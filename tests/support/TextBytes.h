// The bytes of a library text, zero bytes included, to compare with a std::string.
#pragma once

#include "lang/JovString.h"

#include <string>

inline std::string bytesOf(const JovString& text) {
    return std::string(text.chars(), text.length());
}
