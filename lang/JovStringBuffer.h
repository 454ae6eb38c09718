#pragma once
// Growable text: a handle on a shared, mutable character array, so copies of a buffer see each
// other's appends.

#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

class JovStringBuffer : public JovObject {
public:
    class StringBufferValue : public JovObject {
    public:
        StringBufferValue();
        StringBufferValue(const StringBufferValue&) = delete;
        StringBufferValue& operator=(const StringBufferValue&) = delete;
        ~StringBufferValue() override;

        JovString toString() const override;

        void ensureCapacity(int minimum);
        void append(const char* text, int count);
        const char* chars() const { return characters; }
        int length() const { return byteCount; }
        int capacity() const { return capacityBytes; }

    private:
        char* characters;
        int byteCount;
        int capacityBytes;
    };

    JovStringBuffer();
    // Copies share the value, so they see each other's appends.
    JovStringBuffer(const JovStringBuffer& other) = default;
    JovStringBuffer& operator=(const JovStringBuffer& other) = default;
    ~JovStringBuffer() override = default;

    JovStringBuffer& append(const JovString& text);
    JovStringBuffer& append(const char* text);
    int length() const;
    int capacity() const;
    void ensureCapacity(int minimum);

    JovObject* clone() const override;
    // The current text as a new string.
    JovString toString() const override;

private:
    JovReference<StringBufferValue> value;
};
