// Shared-value growable text; the growth rule keeps appends in a loop amortised.

#include "lang/JovStringBuffer.h"

#include <cstring>

namespace {

constexpr int initialCapacity = 16;

} // namespace

JovStringBuffer::StringBufferValue::StringBufferValue()
    : characters(new char[initialCapacity + 1]()), byteCount(0), capacityBytes(initialCapacity) {
}

JovStringBuffer::StringBufferValue::~StringBufferValue() {
    delete[] characters;
}

JovString JovStringBuffer::StringBufferValue::toString() const {
    return "ool.lang.JovStringBuffer::StringBufferValue";
}

void JovStringBuffer::StringBufferValue::ensureCapacity(int minimum) {
    if (capacityBytes >= minimum) {
        return;
    }
    const int doubled = 2 * capacityBytes + 2;
    const int grown = doubled > minimum ? doubled : minimum;
    char* larger = new char[grown + 1]();
    std::memcpy(larger, characters, byteCount + 1);
    delete[] characters;
    characters = larger;
    capacityBytes = grown;
}

void JovStringBuffer::StringBufferValue::append(const char* text, int count) {
    ensureCapacity(byteCount + count);
    std::memcpy(characters + byteCount, text, count);
    byteCount += count;
    characters[byteCount] = '\0';
}

JovStringBuffer::JovStringBuffer() : value(new StringBufferValue) {
}

JovStringBuffer& JovStringBuffer::append(const JovString& text) {
    value->append(text.chars(), text.length());
    return *this;
}

JovStringBuffer& JovStringBuffer::append(const char* text) {
    if (text != nullptr) {
        value->append(text, static_cast<int>(std::strlen(text)));
    }
    return *this;
}

int JovStringBuffer::length() const {
    return value->length();
}

int JovStringBuffer::capacity() const {
    return value->capacity();
}

void JovStringBuffer::ensureCapacity(int minimum) {
    value->ensureCapacity(minimum);
}

JovObject* JovStringBuffer::clone() const {
    return new JovStringBuffer(*this);
}

JovString JovStringBuffer::toString() const {
    return JovString(value->chars(), 0, value->length());
}
