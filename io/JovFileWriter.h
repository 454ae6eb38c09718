#pragma once
// Writes bytes unchanged to a file or to the process's standard output or standard error.
// Destroying a file writer leaves its stream open, so that clones sharing the stream go on
// working; callers close explicitly.

#include "io/JovFile.h"
#include "io/JovFileDescriptor.h"
#include "io/JovWriter.h"

#include <cstdio>

class JovFileWriter : public JovWriter {
public:
    // Both throw JovException when the file cannot be created or opened for appending.
    explicit JovFileWriter(const JovString& path, bool appending = false);
    explicit JovFileWriter(const JovFile& target, bool appending = false);
    explicit JovFileWriter(const JovFileDescriptor& descriptor);

    using JovWriter::write;
    void write(const char* text, int offset, int length) override;
    void flush() override;
    // Only flushes a standard stream; closes any other.
    void close() override;

    // A writer on the same stream.
    JovFileWriter* clone() const override;
    JovString toString() const override;

private:
    void open();

    JovFile file;
    FILE* stream;
    bool append;
};
