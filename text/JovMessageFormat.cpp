// Placeholder filling: the number between the braces is read like parseInt, so "{1,number}"
// is placeholder 1 and "{x}" is placeholder 0.

#include "text/JovMessageFormat.h"

#include "lang/JovInteger.h"
#include "lang/JovStringBuffer.h"

JovMessageFormat::JovMessageFormat(const JovString& pattern) : pattern(pattern) {
}

JovMessageFormat::JovMessageFormat(const JovMessageFormat& other)
    : JovObject(other), pattern(other.pattern) {
}

JovMessageFormat& JovMessageFormat::operator=(const JovMessageFormat& other) {
    pattern = other.pattern;
    return *this;
}

JovString JovMessageFormat::format(const JovString* args, int count) const {
    JovStringBuffer result;
    int position = 0;
    for (;;) {
        const int open = pattern.indexOf('{', position);
        if (open < 0) {
            break;
        }
        const int close = pattern.indexOf('}', open + 1);
        if (close < 0) {
            // An unclosed brace is no placeholder: the rest stays as written.
            break;
        }
        result.append(pattern.substring(position, open));
        const int index = JovInteger::parseInt(pattern.substring(open + 1, close));
        if (args != nullptr && index >= 0 && index < count) {
            result.append(args[index]);
        }
        position = close + 1;
    }
    result.append(pattern.substring(position));
    return result.toString();
}

JovString JovMessageFormat::format(const JovString& pattern, const JovString* args, int count) {
    return JovMessageFormat(pattern).format(args, count);
}

JovObject* JovMessageFormat::clone() const {
    return new JovMessageFormat(*this);
}

JovString JovMessageFormat::toString() const {
    return "ool.text.JovMessageFormat";
}
