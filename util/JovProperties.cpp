// Property lookups through the defaults chain and the "key=value" line form of the files.
// Values are escaped on writing exactly as reading decodes them, so line breaks, tabs and
// backslashes in a value survive a store and load; files written without escapes load as before.

#include "util/JovProperties.h"

#include "io/JovReader.h"
#include "io/JovWriter.h"
#include "lang/JovStringBuffer.h"
#include "util/JovDate.h"
#include "util/JovVector.h"

namespace {

constexpr char lineFeed = '\n';
constexpr char carriageReturn = '\r';
constexpr char tab = '\t';
constexpr char backspace = '\b';
constexpr char escapeMark = '\\';
constexpr char commentMark = '#';
constexpr char keyValueSeparator = '=';
constexpr unsigned char lastBlankCode = 32;
constexpr const char* lineSeparator = "\r\n";
constexpr const char* commentStart = "# ";
// Stands in for a key that is empty after trimming.
constexpr const char* emptyKey = "_";

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= lastBlankCode;
}

void appendChar(JovStringBuffer& buffer, char c) {
    buffer.append(JovString(c));
}

JovString withoutLeadingBlanks(const JovString& line) {
    int first = 0;
    while (first < line.length() && isBlank(line.charAt(first))) {
        ++first;
    }
    return line.substring(first);
}

JovString withoutFinalCarriageReturn(const JovString& line) {
    if (line.length() == 0 || line.charAt(line.length() - 1) != carriageReturn) {
        return line;
    }
    return line.substring(0, line.length() - 1);
}

// The character an escape stands for, or 0 when the pair is to be dropped.
char decodedEscape(char marked) {
    switch (marked) {
    case escapeMark:
        return escapeMark;
    case 'b':
        return backspace;
    case 'n':
        return lineFeed;
    case 'r':
        return carriageReturn;
    case 't':
        return tab;
    default:
        return 0;
    }
}

JovString decodeEscapes(const JovString& text) {
    JovStringBuffer decoded;
    for (int i = 0; i < text.length(); ++i) {
        const char c = text.charAt(i);
        if (c != escapeMark) {
            appendChar(decoded, c);
            continue;
        }
        ++i;
        const char meant = i < text.length() ? decodedEscape(text.charAt(i)) : 0;
        if (meant != 0) {
            appendChar(decoded, meant);
        }
    }
    return decoded.toString();
}

// The escape letter written for a character that would break the line form, or 0.
char escapeLetterFor(char c) {
    switch (c) {
    case escapeMark:
        return escapeMark;
    case lineFeed:
        return 'n';
    case carriageReturn:
        return 'r';
    case tab:
        return 't';
    default:
        return 0;
    }
}

JovString encodeEscapes(const JovString& text) {
    JovStringBuffer encoded;
    for (int i = 0; i < text.length(); ++i) {
        const char c = text.charAt(i);
        const char letter = escapeLetterFor(c);
        if (letter == 0) {
            appendChar(encoded, c);
            continue;
        }
        appendChar(encoded, escapeMark);
        appendChar(encoded, letter);
    }
    return encoded.toString();
}

JovString textOf(const JovObject* value) {
    return value != nullptr ? value->toString() : JovString();
}

void writeLine(JovWriter* writer, const JovString& text) {
    writer->write(text);
    writer->write(lineSeparator);
}

} // namespace

JovProperties::JovProperties() = default;

JovProperties::JovProperties(JovProperties* defaults) : defaults(defaults) {
}

JovString JovProperties::getProperty(const JovString& key, const JovString& defaultValue) const {
    const JovObject* value = get(key);
    if (value != nullptr) {
        return value->toString();
    }
    if (defaults) {
        return defaults->getProperty(key, defaultValue);
    }
    return defaultValue;
}

void JovProperties::setProperty(const JovString& key, const JovString& value) {
    put(key, value);
}

void JovProperties::load(JovReader* reader) {
    if (reader == nullptr) {
        return;
    }
    JovStringBuffer line;
    for (int c = reader->read(); c >= 0; c = reader->read()) {
        if (c != lineFeed) {
            appendChar(line, static_cast<char>(c));
            continue;
        }
        processLine(line.toString());
        line = JovStringBuffer();
    }
    processLine(line.toString());
}

void JovProperties::processLine(const JovString& rawLine) {
    const JovString line = withoutFinalCarriageReturn(withoutLeadingBlanks(rawLine));
    if (line.startsWith(JovString(commentMark))) {
        return;
    }
    const int separatorAt = line.indexOf(keyValueSeparator);
    if (separatorAt < 0) {
        return;
    }
    JovString key = line.substring(0, separatorAt).trim();
    if (key.length() == 0) {
        key = emptyKey;
    }
    setProperty(key, decodeEscapes(line.substring(separatorAt + 1)));
}

void JovProperties::store(JovWriter* writer, const JovString& header) const {
    if (writer == nullptr) {
        return;
    }
    writeLine(writer, commentStart + header);
    writeLine(writer, commentStart + JovDate().toString());
    writeLine(writer, JovString());
    const JovVector storedKeys = keys();
    const JovVector storedValues = elements();
    for (int i = 0; i < storedKeys.size(); ++i) {
        writeLine(writer, textOf(storedKeys.elementAt(i)) + JovString(keyValueSeparator) +
                              encodeEscapes(textOf(storedValues.elementAt(i))));
    }
    writer->flush();
}

JovObject* JovProperties::clone() const {
    return new JovProperties(*this);
}

JovString JovProperties::toString() const {
    return "ool.util.JovProperties[" + entryListing() + "]";
}
