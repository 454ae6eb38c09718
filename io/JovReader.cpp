// Byte-at-a-time defaults of the reader family.

#include "io/JovReader.h"

#include "lang/JovException.h"

int JovReader::read(char* buffer, int offset, int length) {
    if (buffer == nullptr || offset < 0 || length <= 0) {
        return 0;
    }
    int count = 0;
    while (count < length) {
        const int byte = read();
        if (byte < 0) {
            return count > 0 ? count : -1;
        }
        buffer[offset + count] = static_cast<char>(byte);
        ++count;
    }
    return count;
}

int JovReader::skip(int count) {
    int skipped = 0;
    while (skipped < count && read() >= 0) {
        ++skipped;
    }
    return skipped;
}

bool JovReader::ready() {
    return false;
}

void JovReader::mark(int) {
    throw JovException();
}

void JovReader::reset() {
    throw JovException();
}

JovString JovReader::toString() const {
    return "ool.io.JovReader";
}
