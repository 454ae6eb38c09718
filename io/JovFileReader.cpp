// File input over the runtime library's stdio streams, in binary mode so that line ends arrive
// as they are stored.

#include "io/JovFileReader.h"

#include "lang/JovFileNotFoundException.h"

namespace {

constexpr size_t streamBufferSize = 512;
constexpr long noMark = -1;

} // namespace

JovFileReader::JovFileReader(const JovString& path)
    : file(path), stream(nullptr), markedPosition(noMark) {
    open();
}

JovFileReader::JovFileReader(const JovFile& source)
    : file(source), stream(nullptr), markedPosition(noMark) {
    open();
}

JovFileReader::~JovFileReader() {
    close();
}

void JovFileReader::open() {
    stream = std::fopen(file.getPath().chars(), "rb");
    if (stream == nullptr) {
        throw JovFileNotFoundException(file.getPath());
    }
    std::setvbuf(stream, nullptr, _IOFBF, streamBufferSize);
}

int JovFileReader::read() {
    if (stream == nullptr) {
        return -1;
    }
    const int byte = std::fgetc(stream);
    return byte == EOF ? -1 : byte;
}

int JovFileReader::read(char* buffer, int offset, int length) {
    if (buffer == nullptr || offset < 0 || length <= 0) {
        return 0;
    }
    if (stream == nullptr) {
        return -1;
    }
    const size_t count = std::fread(buffer + offset, 1, static_cast<size_t>(length), stream);
    return count > 0 ? static_cast<int>(count) : -1;
}

bool JovFileReader::ready() {
    if (stream == nullptr) {
        return false;
    }
    const int byte = std::fgetc(stream);
    if (byte == EOF) {
        return false;
    }
    std::ungetc(byte, stream);
    return true;
}

void JovFileReader::mark(int) {
    if (stream != nullptr) {
        markedPosition = std::ftell(stream);
    }
}

void JovFileReader::reset() {
    if (stream == nullptr || markedPosition < 0) {
        throw JovException();
    }
    std::fseek(stream, markedPosition, SEEK_SET);
    markedPosition = noMark;
}

void JovFileReader::close() {
    if (stream == nullptr) {
        return;
    }
    std::fclose(stream);
    stream = nullptr;
}

JovString JovFileReader::toString() const {
    return "ool.io.JovFileReader";
}
