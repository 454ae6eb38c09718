#pragma once
// The immutable text of the library: a handle on a shared, never-changed value of 8-bit
// characters (Windows ANSI), which may also carry raw bytes including zero bytes.

#include "lang/Comparable.h"
#include "lang/JovObject.h"
#include "lang/JovReference.h"

class JovString : public JovObject, public Comparable {
public:
    class StringValue : public JovObject {
    public:
        StringValue(const char* source, int count);
        StringValue(const StringValue&) = delete;
        StringValue& operator=(const StringValue&) = delete;
        ~StringValue() override;

        JovString toString() const override;

        const char* chars() const { return characters; }
        int length() const { return byteCount; }

    private:
        // Only the string handle fills a value, and only before anyone else sees it.
        friend class JovString;
        // Most texts (database values, keys, numbers) fit here: one allocation instead of two,
        // which counts when thousands of rows are read or freed.
        static constexpr int shortCapacity = 24;
        char* characters;
        int byteCount;
        char shortCharacters[shortCapacity];
    };

    JovString();
    JovString(const char* text);
    JovString(const char* text, int offset, int count);
    explicit JovString(char c);
    // The object's text; explicit so that boxed values never turn into text by accident.
    explicit JovString(const JovObject& object);
    // Copies share the value; assigning a string that shares it already changes nothing.
    JovString(const JovString& other) = default;
    JovString& operator=(const JovString& other) = default;
    ~JovString() override = default;

    // Inline: key searches and row lookups ask for them in their innermost loops.
    int length() const { return value->length(); }
    // The zero-terminated characters, read-only.
    const char* chars() const { return value->chars(); }
    char charAt(int index) const;
    JovString substring(int begin, int end) const;
    JovString substring(int begin) const;
    int indexOf(char ch, int from = 0) const;
    bool startsWith(const JovString& prefix) const;
    bool endsWith(const JovString& suffix) const;
    JovString trim() const;
    JovString replace(char from, char to) const;
    void getChars(int srcBegin, int srcEnd, char* dst, int dstBegin) const;

    JovString operator+(const JovString& other) const;
    JovString operator+(char c) const;
    JovString& operator+=(const JovString& other);
    JovString& operator+=(char c);

    bool equals(const JovObject* other) const override;
    const JovString* asString() const override { return this; }
    bool operator==(const JovObject& other) const override;
    bool operator==(const JovString& other) const;
    using JovObject::operator!=;
    bool operator!=(const JovString& other) const;
    int compareTo(const JovObject& other) const override;

    JovObject* clone() const override;
    JovString toString() const override;

    static JovString valueOf(int value);
    static JovString valueOf(long value);
    // Uses the process locale, so under the German locale the decimal separator is a comma.
    static JovString valueOf(double value);

    // Formats like sprintf into a fixed work area and makes the result this string's text;
    // a result longer than the work area is cut.
    JovString& format(const char* fmt, ...) __attribute__((format(gnu_printf, 2, 3)));

private:
    // Takes the first reference on a value built by one of the operations.
    struct Adopting {};
    JovString(Adopting, StringValue* fresh);

    bool sameBytes(const JovString& other) const;

    JovReference<StringValue> value;
};

JovString operator+(const char* text, const JovString& string);
JovString operator+(const char* text, const JovObject& object);
