// Text and line output, and the process-wide standard print writers.

#include "io/JovPrintWriter.h"

#include "io/JovFileDescriptor.h"
#include "io/JovFileWriter.h"

#include <cstring>

namespace {

constexpr char lineEnd[] = "\r\n";
constexpr int lineEndLength = 2;

} // namespace

JovPrintWriter::JovPrintWriter() = default;

JovPrintWriter::JovPrintWriter(const JovWriter& writer) : out(writer.clone()) {
}

JovPrintWriter::~JovPrintWriter() = default;

JovPrintWriter& JovPrintWriter::standardOutput() {
    static JovPrintWriter writer{JovFileWriter(JovFileDescriptor::standardOutput())};
    return writer;
}

JovPrintWriter& JovPrintWriter::standardError() {
    static JovPrintWriter writer{JovFileWriter(JovFileDescriptor::standardError())};
    return writer;
}

void JovPrintWriter::print(const char* text) {
    if (text != nullptr) {
        write(text, 0, static_cast<int>(std::strlen(text)));
    }
}

void JovPrintWriter::print(const JovString& text) {
    write(text);
}

void JovPrintWriter::println(const char* text) {
    print(text);
    write(lineEnd, 0, lineEndLength);
}

void JovPrintWriter::println(const JovString& text) {
    print(text);
    write(lineEnd, 0, lineEndLength);
}

void JovPrintWriter::write(const char* text, int offset, int length) {
    if (out) {
        out->write(text, offset, length);
    }
}

void JovPrintWriter::flush() {
    if (out) {
        out->flush();
    }
}

void JovPrintWriter::close() {
    if (out) {
        out->close();
    }
}

JovPrintWriter* JovPrintWriter::clone() const {
    return out ? new JovPrintWriter(*out) : new JovPrintWriter;
}

JovString JovPrintWriter::toString() const {
    return "ool.io.JovPrintWriter";
}
