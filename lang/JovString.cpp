// Immutable shared-value text: every operation that yields new text builds a new value.

#include "lang/JovString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr int formatWorkAreaSize = 1024;
constexpr unsigned char lastBlankCode = 32;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= lastBlankCode;
}

int clip(int value, int low, int high) {
    if (value < low) {
        return low;
    }
    return value > high ? high : value;
}

} // namespace

JovString::StringValue::StringValue(const char* source, int count)
    : characters(count < shortCapacity ? shortCharacters : new char[count + 1]), byteCount(count) {
    if (source != nullptr) {
        std::memcpy(characters, source, count);
    } else {
        std::memset(characters, 0, count);
    }
    characters[count] = '\0';
}

JovString::StringValue::~StringValue() {
    if (characters != shortCharacters) {
        delete[] characters;
    }
}

JovString JovString::StringValue::toString() const {
    return "ool.lang.JovString::StringValue";
}

JovString::JovString(Adopting, StringValue* fresh) : value(fresh) {
}

JovString::JovString() : value(new StringValue(nullptr, 0)) {
}

JovString::JovString(const char* text)
    : value(new StringValue(text, text != nullptr ? static_cast<int>(std::strlen(text)) : 0)) {
}

JovString::JovString(const char* text, int offset, int count)
    : value(text != nullptr && count > 0 ? new StringValue(text + (offset > 0 ? offset : 0), count)
                                         : new StringValue(nullptr, 0)) {
}

JovString::JovString(char c) : value(new StringValue(&c, 1)) {
}

JovString::JovString(const JovObject& object)
    : JovObject(), Comparable(), value(object.toString().value) {
}

char JovString::charAt(int index) const {
    if (index < 0 || index >= length()) {
        return '\0';
    }
    return chars()[index];
}

JovString JovString::substring(int begin, int end) const {
    const int last = clip(end, 0, length());
    const int first = clip(begin, 0, last);
    return JovString(chars(), first, last - first);
}

JovString JovString::substring(int begin) const {
    return substring(begin, length());
}

int JovString::indexOf(char ch, int from) const {
    const int start = from > 0 ? from : 0;
    if (start >= length()) {
        return -1;
    }
    const void* found = std::memchr(chars() + start, ch, length() - start);
    return found != nullptr ? static_cast<int>(static_cast<const char*>(found) - chars()) : -1;
}

bool JovString::startsWith(const JovString& prefix) const {
    return prefix.length() <= length() &&
           std::memcmp(chars(), prefix.chars(), prefix.length()) == 0;
}

bool JovString::endsWith(const JovString& suffix) const {
    return suffix.length() <= length() &&
           std::memcmp(chars() + length() - suffix.length(), suffix.chars(), suffix.length()) == 0;
}

JovString JovString::trim() const {
    int first = 0;
    int last = length();
    while (first < last && isBlank(chars()[first])) {
        ++first;
    }
    while (last > first && isBlank(chars()[last - 1])) {
        --last;
    }
    if (first == 0 && last == length()) {
        return *this;
    }
    return JovString(chars(), first, last - first);
}

JovString JovString::replace(char from, char to) const {
    auto* fresh = new StringValue(chars(), length());
    for (int i = 0; i < fresh->byteCount; ++i) {
        if (fresh->characters[i] == from) {
            fresh->characters[i] = to;
        }
    }
    return JovString(Adopting(), fresh);
}

void JovString::getChars(int srcBegin, int srcEnd, char* dst, int dstBegin) const {
    const int last = clip(srcEnd, 0, length());
    const int first = clip(srcBegin, 0, last);
    if (dst == nullptr || dstBegin < 0) {
        return;
    }
    std::memcpy(dst + dstBegin, chars() + first, last - first);
}

JovString JovString::operator+(const JovString& other) const {
    auto* fresh = new StringValue(nullptr, length() + other.length());
    std::memcpy(fresh->characters, chars(), length());
    std::memcpy(fresh->characters + length(), other.chars(), other.length());
    return JovString(Adopting(), fresh);
}

JovString JovString::operator+(char c) const {
    return *this + JovString(c);
}

JovString& JovString::operator+=(const JovString& other) {
    return *this = *this + other;
}

JovString& JovString::operator+=(char c) {
    return *this = *this + c;
}

bool JovString::sameBytes(const JovString& other) const {
    return length() == other.length() && std::memcmp(chars(), other.chars(), length()) == 0;
}

bool JovString::equals(const JovObject* other) const {
    return other != nullptr && *this == *other;
}

bool JovString::operator==(const JovObject& other) const {
    const JovString* text = other.asString();
    if (text != nullptr) {
        return sameBytes(*text);
    }
    return sameBytes(other.toString());
}

bool JovString::operator==(const JovString& other) const {
    return sameBytes(other);
}

bool JovString::operator!=(const JovString& other) const {
    return !sameBytes(other);
}

int JovString::compareTo(const JovObject& other) const {
    const JovString text = other.toString();
    const int common = length() < text.length() ? length() : text.length();
    const int order = std::memcmp(chars(), text.chars(), common);
    if (order != 0) {
        return order < 0 ? -1 : 1;
    }
    if (length() == text.length()) {
        return 0;
    }
    return length() < text.length() ? -1 : 1;
}

JovObject* JovString::clone() const {
    return new JovString(chars(), 0, length());
}

JovString JovString::toString() const {
    return JovString(chars(), 0, length());
}

JovString JovString::valueOf(int value) {
    return JovString().format("%d", value);
}

JovString JovString::valueOf(long value) {
    return JovString().format("%ld", value);
}

JovString JovString::valueOf(double value) {
    return JovString().format("%G", value);
}

JovString& JovString::format(const char* fmt, ...) {
    char workArea[formatWorkAreaSize];
    va_list arguments;
    va_start(arguments, fmt);
    const int written = std::vsnprintf(workArea, sizeof workArea, fmt, arguments);
    va_end(arguments);
    if (written < 0) {
        workArea[0] = '\0';
    }
    return *this = JovString(workArea);
}

JovString operator+(const char* text, const JovString& string) {
    return JovString(text) + string;
}

JovString operator+(const char* text, const JovObject& object) {
    return JovString(text) + object.toString();
}
