#pragma once
// Reads a file's bytes unchanged through a buffered runtime-library stream.

#include "io/JovFile.h"
#include "io/JovReader.h"

#include <cstdio>

class JovFileReader : public JovReader {
public:
    // Both throw JovFileNotFoundException with the normalised path when the file cannot be
    // opened.
    explicit JovFileReader(const JovString& path);
    explicit JovFileReader(const JovFile& file);
    JovFileReader(const JovFileReader&) = delete;
    JovFileReader& operator=(const JovFileReader&) = delete;
    ~JovFileReader() override;

    int read() override;
    int read(char* buffer, int offset, int length) override;
    bool ready() override;
    // Remembers the stream position; the limit is not needed for that.
    void mark(int limit) override;
    void reset() override;
    void close() override;

    JovString toString() const override;

private:
    void open();

    JovFile file;
    FILE* stream;
    long markedPosition;
};
