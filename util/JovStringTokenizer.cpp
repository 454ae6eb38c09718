// Delimiter splitting with empty tokens between adjacent delimiters.

#include "util/JovStringTokenizer.h"

#include "io/JovPrintWriter.h"

namespace {

void reportPastEnd(const char* operation, int position, int length) {
    JovPrintWriter::standardError().println(JovString().format(
        "Error: StringTokenizer::%s(): position %d >= %d.", operation, position, length));
}

} // namespace

JovStringTokenizer::JovStringTokenizer(const JovString& text)
    : JovStringTokenizer(text, defaultDelimiters, false) {
}

JovStringTokenizer::JovStringTokenizer(const JovString& text, const JovString& delimiters,
                                       bool returnDelimiters)
    : text(text), delimiters(delimiters), position(0), returnDelimiters(returnDelimiters) {
}

bool JovStringTokenizer::hasMoreTokens() const {
    if (returnDelimiters) {
        return position < text.length();
    }
    for (int i = position; i < text.length(); ++i) {
        if (!isDelimiter(text.charAt(i))) {
            return true;
        }
    }
    return false;
}

JovString JovStringTokenizer::nextToken() {
    if (position >= text.length()) {
        reportPastEnd("nextToken", position, text.length());
        return JovString();
    }
    if (returnDelimiters && isDelimiter(text.charAt(position))) {
        ++position;
        return text.substring(position - 1, position);
    }
    const int end = nextDelimiterFrom(position);
    const JovString token = text.substring(position, end);
    position = end;
    if (!returnDelimiters && end < text.length()) {
        ++position;
    }
    return token;
}

int JovStringTokenizer::countTokens() const {
    int count = 0;
    bool inToken = false;
    for (int i = 0; i < text.length(); ++i) {
        const bool delimiter = isDelimiter(text.charAt(i));
        if (!delimiter && !inToken) {
            ++count;
        }
        inToken = !delimiter;
    }
    return count;
}

bool JovStringTokenizer::isDelimiterAt(int at) const {
    if (at >= text.length()) {
        reportPastEnd("isDelimiterAt", at, text.length());
        return false;
    }
    return at >= 0 && isDelimiter(text.charAt(at));
}

JovObject* JovStringTokenizer::clone() const {
    return new JovStringTokenizer(text);
}

JovString JovStringTokenizer::toString() const {
    return "ool.util.JovStringTokenizer: " + text;
}

bool JovStringTokenizer::isDelimiter(char c) const {
    return delimiters.indexOf(c) >= 0;
}

int JovStringTokenizer::nextDelimiterFrom(int start) const {
    int end = start;
    while (end < text.length() && !isDelimiter(text.charAt(end))) {
        ++end;
    }
    return end;
}
