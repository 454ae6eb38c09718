#pragma once
// Base of the byte readers: single bytes as 0..255 and -1 at the end of the input.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovReader : public JovObject {
public:
    virtual int read() = 0;
    // Answers the count read into buffer at offset, or -1 at the end of the input.
    virtual int read(char* buffer, int offset, int length);
    // Answers how many bytes were skipped.
    virtual int skip(int count);
    virtual bool ready();
    // Readers without a position to return to throw JovException.
    virtual void mark(int limit);
    virtual void reset();
    virtual void close() = 0;

    JovString toString() const override;
};
