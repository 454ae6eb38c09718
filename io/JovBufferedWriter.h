#pragma once
// Collects small writes and passes them on in buffer-sized pieces.

#include "io/JovWriter.h"
#include "lang/JovReference.h"

class JovBufferedWriter : public JovWriter {
public:
    static constexpr int defaultBufferSize = 1024;

    // Holds a counted reference on the underlying writer.
    explicit JovBufferedWriter(JovWriter* target, int size = defaultBufferSize);
    JovBufferedWriter(const JovBufferedWriter&) = delete;
    JovBufferedWriter& operator=(const JovBufferedWriter&) = delete;
    // Passes on and flushes what is still buffered, so nothing written is lost.
    ~JovBufferedWriter() override;

    using JovWriter::write;
    void write(const char* text, int offset, int length) override;
    void flush() override;
    void close() override;

    // A buffered writer of its own over the same underlying writer.
    JovBufferedWriter* clone() const override;
    JovString toString() const override;

private:
    void passOn();

    JovReference<JovWriter> out;
    char* buffer;
    int bufferSize;
    int used;
};
