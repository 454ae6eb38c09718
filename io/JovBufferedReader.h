#pragma once
// Buffers another reader and splits its bytes into lines.

#include "io/JovReader.h"
#include "lang/JovReference.h"

class JovBufferedReader : public JovReader {
public:
    static constexpr int defaultBufferSize = 1024;

    // Holds a counted reference on the underlying reader.
    explicit JovBufferedReader(JovReader* source, int size = defaultBufferSize);
    JovBufferedReader(const JovBufferedReader&) = delete;
    JovBufferedReader& operator=(const JovBufferedReader&) = delete;
    ~JovBufferedReader() override;

    int read() override;
    int read(char* buffer, int offset, int length) override;
    int skip(int count) override;
    bool ready() override;
    // Throws JovException for a limit outside 0..buffer size.
    void mark(int limit) override;
    // Throws JovException without a mark.
    void reset() override;
    void close() override;

    // A line without its terminator (line feed, carriage return, or both) as a heap string the
    // caller deletes, or null at the end of the input.
    JovString* readLine();

    JovString toString() const override;

private:
    // Makes at least one unread byte available unless the input has ended.
    bool fill();

    JovReference<JovReader> in;
    char* buffer;
    int bufferSize;
    int fillCount;
    int readPosition;
    int markPosition;
    bool endOfInput;
};
