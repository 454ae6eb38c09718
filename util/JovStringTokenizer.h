#pragma once
// Splits a text at delimiter characters. Unlike the usual tokenizer it does not skip leading or
// doubled delimiters: each of them ends an empty token.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovStringTokenizer : public JovObject {
public:
    // Blank, tab and line feed.
    static constexpr const char* defaultDelimiters = " \t\n";

    explicit JovStringTokenizer(const JovString& text);
    JovStringTokenizer(const JovString& text, const JovString& delimiters, bool returnDelimiters);

    bool hasMoreTokens() const;
    // Past the end writes an error line and answers the empty text.
    JovString nextToken();
    // The runs of non-delimiter characters in the whole text, wherever the position stands.
    int countTokens() const;
    // Past the end writes an error line; outside the text the answer is false.
    bool isDelimiterAt(int position) const;

    // A tokenizer over the same text with the default delimiters, at the start.
    JovObject* clone() const override;
    JovString toString() const override;

private:
    bool isDelimiter(char c) const;
    int nextDelimiterFrom(int start) const;

    JovString text;
    JovString delimiters;
    int position;
    bool returnDelimiters;
};
