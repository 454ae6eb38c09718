// Buffered input with line splitting for every line-end form and a mark that survives refills.

#include "io/JovBufferedReader.h"

#include "lang/JovException.h"

#include <cstring>
#include <string>

namespace {

constexpr int noMark = -1;
constexpr int lineFeed = 10;
constexpr int carriageReturn = 13;

} // namespace

JovBufferedReader::JovBufferedReader(JovReader* source, int size)
    : in(source), buffer(nullptr), bufferSize(size > 0 ? size : defaultBufferSize), fillCount(0),
      readPosition(0), markPosition(noMark), endOfInput(false) {
    buffer = new char[bufferSize + 1]();
}

JovBufferedReader::~JovBufferedReader() {
    delete[] buffer;
}

bool JovBufferedReader::fill() {
    if (readPosition < fillCount) {
        return true;
    }
    if (!in) {
        return false;
    }
    // A mark is only good for buffer-size bytes; once they are read it is dropped.
    int keepFrom = fillCount;
    if (markPosition >= 0 && fillCount - markPosition < bufferSize) {
        keepFrom = markPosition;
        markPosition = 0;
    } else {
        markPosition = noMark;
    }
    const int kept = fillCount - keepFrom;
    std::memmove(buffer, buffer + keepFrom, kept);
    fillCount = kept;
    readPosition = kept;
    const int count = in->read(buffer, fillCount, bufferSize - fillCount);
    if (count <= 0) {
        return false;
    }
    fillCount += count;
    return true;
}

int JovBufferedReader::read() {
    if (!fill()) {
        return -1;
    }
    return static_cast<unsigned char>(buffer[readPosition++]);
}

int JovBufferedReader::read(char* target, int offset, int length) {
    if (target == nullptr || offset < 0 || length <= 0) {
        return 0;
    }
    int count = 0;
    while (count < length && fill()) {
        const int available = fillCount - readPosition;
        const int chunk = available < length - count ? available : length - count;
        std::memcpy(target + offset + count, buffer + readPosition, chunk);
        readPosition += chunk;
        count += chunk;
    }
    return count > 0 ? count : -1;
}

int JovBufferedReader::skip(int count) {
    int skipped = 0;
    while (skipped < count && fill()) {
        const int available = fillCount - readPosition;
        const int chunk = available < count - skipped ? available : count - skipped;
        readPosition += chunk;
        skipped += chunk;
    }
    return skipped;
}

bool JovBufferedReader::ready() {
    return readPosition < fillCount || (in && in->ready());
}

void JovBufferedReader::mark(int limit) {
    if (limit < 0 || limit > bufferSize) {
        throw JovException();
    }
    const int unread = fillCount - readPosition;
    std::memmove(buffer, buffer + readPosition, unread);
    fillCount = unread;
    readPosition = 0;
    markPosition = 0;
}

void JovBufferedReader::reset() {
    if (markPosition < 0) {
        throw JovException();
    }
    readPosition = markPosition;
    markPosition = noMark;
    endOfInput = false;
}

void JovBufferedReader::close() {
    if (in) {
        in->close();
    }
}

JovString* JovBufferedReader::readLine() {
    if (endOfInput) {
        return nullptr;
    }
    std::string line;
    for (;;) {
        const int byte = read();
        if (byte < 0) {
            endOfInput = true;
            return line.empty() ? nullptr
                                : new JovString(line.data(), 0, static_cast<int>(line.size()));
        }
        if (byte == lineFeed) {
            break;
        }
        if (byte == carriageReturn) {
            // A lone carriage return ends the line too; the byte after it belongs to the next.
            const int next = read();
            if (next >= 0 && next != lineFeed) {
                --readPosition;
            }
            break;
        }
        line.push_back(static_cast<char>(byte));
    }
    return new JovString(line.data(), 0, static_cast<int>(line.size()));
}

JovString JovBufferedReader::toString() const {
    return "ool.io.JovBufferedReader";
}
