// File output over the runtime library's stdio streams, in binary mode: the library writes
// its own "\r\n" line ends.

#include "io/JovFileWriter.h"

#include "lang/JovException.h"
#include "lang/JovPlatform.h"

namespace {

constexpr size_t streamBufferSize = 512;

bool isStandardStream(const FILE* stream) {
    return stream == stdout || stream == stderr;
}

} // namespace

JovFileWriter::JovFileWriter(const JovString& path, bool appending)
    : file(path), stream(nullptr), append(appending) {
    open();
}

JovFileWriter::JovFileWriter(const JovFile& target, bool appending)
    : file(target), stream(nullptr), append(appending) {
    open();
}

JovFileWriter::JovFileWriter(const JovFileDescriptor& descriptor)
    : file(""), stream(&descriptor == &JovFileDescriptor::standardError() ? stderr : stdout),
      append(false) {
    JovPlatform::useBinaryMode(stream);
}

void JovFileWriter::open() {
    stream = std::fopen(file.getPath().chars(), append ? "ab+" : "wb");
    if (stream == nullptr) {
        throw JovException();
    }
    std::setvbuf(stream, nullptr, _IOFBF, streamBufferSize);
}

void JovFileWriter::write(const char* text, int offset, int length) {
    if (stream == nullptr || text == nullptr || offset < 0 || length <= 0) {
        return;
    }
    std::fwrite(text + offset, 1, static_cast<size_t>(length), stream);
}

void JovFileWriter::flush() {
    if (stream != nullptr) {
        std::fflush(stream);
    }
}

void JovFileWriter::close() {
    if (stream == nullptr) {
        return;
    }
    if (isStandardStream(stream)) {
        std::fflush(stream);
        return;
    }
    std::fclose(stream);
    stream = nullptr;
}

JovFileWriter* JovFileWriter::clone() const {
    return new JovFileWriter(*this);
}

JovString JovFileWriter::toString() const {
    return "ool.io.JovFileWriter";
}
