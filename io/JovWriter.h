#pragma once
// Base of the byte writers.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovWriter : public JovObject {
public:
    virtual void write(const char* text, int offset, int length) = 0;
    virtual void write(const JovString& text);
    virtual void flush() = 0;
    virtual void close() = 0;

    // Print writers keep a clone of the writer they are made over.
    JovWriter* clone() const override = 0;
};
