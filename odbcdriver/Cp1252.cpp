// Converts between the program's Windows-1252 texts and the UTF-8 the database file holds.
#include "odbcdriver/Cp1252.h"

#include <array>

namespace {

constexpr unsigned char firstSpecialByte = 0x80;
constexpr unsigned char firstLatin1Byte = 0xA0;
constexpr char32_t lastLatin1CodePoint = 0xFF;
constexpr int unmappable = -1;
constexpr char replacement = '?';

// The only range where Windows-1252 differs from Latin-1. The unassigned bytes 0x81, 0x8D,
// 0x8F, 0x90 and 0x9D stand for the C1 controls of the same value.
constexpr std::array<char32_t, firstLatin1Byte - firstSpecialByte> specialCodePoints = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t lastTwoByteCodePoint = 0x7FF;
constexpr char32_t lastCodePoint = 0x10FFFF;
constexpr char32_t firstSurrogate = 0xD800;
constexpr char32_t lastSurrogate = 0xDFFF;
constexpr unsigned char continuationMask = 0xC0;
constexpr unsigned char continuationTag = 0x80;
constexpr unsigned char payloadMask = 0x3F;
constexpr int payloadBits = 6;

struct LeadByte {
    unsigned char mask;
    unsigned char tag;
    std::size_t length;
    char32_t smallest;
};

// Overlong forms are refused through the smallest code point each length may carry.
constexpr LeadByte twoByteLead = {0xE0, 0xC0, 2, 0x80};
constexpr LeadByte threeByteLead = {0xF0, 0xE0, 3, 0x800};
constexpr LeadByte fourByteLead = {0xF8, 0xF0, 4, 0x10000};
constexpr std::array<LeadByte, 3> leadBytes = {twoByteLead, threeByteLead, fourByteLead};

bool isContinuation(unsigned char byte) {
    return (byte & continuationMask) == continuationTag;
}

} // namespace

std::string Cp1252::toUtf8(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size());
    for (const char byte : cp1252) {
        appendUtf8(utf8, codePointOf(static_cast<unsigned char>(byte)));
    }
    return utf8;
}

std::string Cp1252::fromUtf8(std::string_view utf8) {
    std::string cp1252;
    cp1252.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(utf8, position, codePoint);
        if (length == 0) {
            cp1252 += utf8[position];
            ++position;
            continue;
        }
        const int byte = byteOf(codePoint);
        cp1252 += byte == unmappable ? replacement : static_cast<char>(byte);
        position += length;
    }
    return cp1252;
}

char32_t Cp1252::codePointOf(unsigned char byte) {
    if (byte >= firstSpecialByte && byte < firstLatin1Byte) {
        return specialCodePoints[byte - firstSpecialByte];
    }
    return byte;
}

int Cp1252::byteOf(char32_t codePoint) {
    if (codePoint < firstSpecialByte) {
        return static_cast<int>(codePoint);
    }
    if (codePoint >= firstLatin1Byte && codePoint <= lastLatin1CodePoint) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t index = 0; index < specialCodePoints.size(); ++index) {
        if (specialCodePoints[index] == codePoint) {
            return static_cast<int>(firstSpecialByte + index);
        }
    }
    return unmappable;
}

void Cp1252::appendUtf8(std::string& target, char32_t codePoint) {
    if (codePoint < firstSpecialByte) {
        target += static_cast<char>(codePoint);
        return;
    }
    if (codePoint <= lastTwoByteCodePoint) {
        target += static_cast<char>(twoByteLead.tag | (codePoint >> payloadBits));
        target += static_cast<char>(continuationTag | (codePoint & payloadMask));
        return;
    }
    target += static_cast<char>(threeByteLead.tag | (codePoint >> (2 * payloadBits)));
    target += static_cast<char>(continuationTag | ((codePoint >> payloadBits) & payloadMask));
    target += static_cast<char>(continuationTag | (codePoint & payloadMask));
}

// Returns the length of the well-formed sequence at position, or 0 when there is none.
std::size_t Cp1252::decodeUtf8(std::string_view utf8, std::size_t position, char32_t& codePoint) {
    const auto first = static_cast<unsigned char>(utf8[position]);
    if (first < firstSpecialByte) {
        codePoint = first;
        return 1;
    }
    for (const LeadByte& lead : leadBytes) {
        if ((first & lead.mask) != lead.tag) {
            continue;
        }
        if (position + lead.length > utf8.size()) {
            return 0;
        }
        char32_t value = first & static_cast<unsigned char>(~lead.mask);
        for (std::size_t offset = 1; offset < lead.length; ++offset) {
            const auto next = static_cast<unsigned char>(utf8[position + offset]);
            if (!isContinuation(next)) {
                return 0;
            }
            value = (value << payloadBits) | (next & payloadMask);
        }
        const bool valid = value >= lead.smallest && value <= lastCodePoint &&
                           (value < firstSurrogate || value > lastSurrogate);
        if (!valid) {
            return 0;
        }
        codePoint = value;
        return lead.length;
    }
    return 0;
}
