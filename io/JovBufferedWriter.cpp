// Output buffering: writes that do not fit are passed on directly after what is buffered.

#include "io/JovBufferedWriter.h"

#include <cstring>

JovBufferedWriter::JovBufferedWriter(JovWriter* target, int size)
    : out(target), buffer(nullptr), bufferSize(size > 0 ? size : defaultBufferSize), used(0) {
    buffer = new char[bufferSize];
}

JovBufferedWriter::~JovBufferedWriter() {
    flush();
    delete[] buffer;
}

void JovBufferedWriter::passOn() {
    if (out && used > 0) {
        out->write(buffer, 0, used);
    }
    used = 0;
}

void JovBufferedWriter::write(const char* text, int offset, int length) {
    if (text == nullptr || offset < 0 || length <= 0) {
        return;
    }
    if (used + length > bufferSize) {
        passOn();
    }
    if (length > bufferSize) {
        if (out) {
            out->write(text, offset, length);
        }
        return;
    }
    std::memcpy(buffer + used, text + offset, length);
    used += length;
}

void JovBufferedWriter::flush() {
    passOn();
    if (out) {
        out->flush();
    }
}

void JovBufferedWriter::close() {
    flush();
    if (out) {
        out->close();
    }
}

JovBufferedWriter* JovBufferedWriter::clone() const {
    return new JovBufferedWriter(out.get(), bufferSize);
}

JovString JovBufferedWriter::toString() const {
    return "ool.io.JovBufferedWriter";
}
