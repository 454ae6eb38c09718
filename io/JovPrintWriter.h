#pragma once
// Writes texts and "\r\n"-terminated lines through its own clone of another writer. The two
// standard print writers carry the program's diagnostic lines and the library's error lines.

#include "io/JovWriter.h"
#include "lang/JovReference.h"

class JovPrintWriter : public JovWriter {
public:
    // A print writer over no writer writes nothing.
    JovPrintWriter();
    explicit JovPrintWriter(const JovWriter& writer);
    JovPrintWriter(const JovPrintWriter&) = delete;
    JovPrintWriter& operator=(const JovPrintWriter&) = delete;
    ~JovPrintWriter() override;

    // Over the process's standard output and standard error; created on first use and kept to
    // the end of the process.
    static JovPrintWriter& standardOutput();
    static JovPrintWriter& standardError();

    void print(const char* text);
    void print(const JovString& text);
    void println(const char* text);
    void println(const JovString& text);

    using JovWriter::write;
    void write(const char* text, int offset, int length) override;
    void flush() override;
    void close() override;

    JovPrintWriter* clone() const override;
    JovString toString() const override;

private:
    JovReference<JovWriter> out;
};
