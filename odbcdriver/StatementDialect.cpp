// Turns the program's statement texts (Windows-1252, desktop-database dialect) into texts the
// SQLite driver executes.
#include "odbcdriver/StatementDialect.h"

#include "odbcdriver/Cp1252.h"

namespace {

constexpr std::string_view deleteWord = "DELETE";
constexpr std::string_view fromWord = "FROM";
constexpr char noQuote = '\0';
constexpr unsigned char firstNonAsciiByte = 0x80;
constexpr std::string_view blanks = " \t\r\n\f\v";
constexpr std::string_view lineCommentMark = "--";
constexpr std::string_view lineCommentEnd = "\n";
constexpr std::string_view blockCommentStart = "/*";
constexpr std::string_view blockCommentEnd = "*/";

// Keywords compare in ASCII only, whatever locale the host process has set.
char asciiUpper(char character) {
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A')
                                                : character;
}

bool isAsciiAlphanumeric(char character) {
    const char upper = asciiUpper(character);
    return (upper >= 'A' && upper <= 'Z') || (character >= '0' && character <= '9');
}

} // namespace

std::string StatementDialect::toSqlite(std::string_view programText) {
    return dropDeleteAsterisk(Cp1252::toUtf8(programText));
}

std::string StatementDialect::dropDeleteAsterisk(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    char openQuote = noQuote;
    std::size_t position = 0;
    while (position < text.size()) {
        const char character = text[position];
        if (openQuote != noQuote) {
            openQuote = character == openQuote ? noQuote : openQuote;
            result += character;
            ++position;
            continue;
        }
        const std::size_t commentEnd = skipComment(text, position);
        if (commentEnd != position) {
            result.append(text.substr(position, commentEnd - position));
            position = commentEnd;
            continue;
        }
        const std::size_t fromPosition = matchDeleteAsterisk(text, position);
        if (fromPosition != 0) {
            result.append(text.substr(position, deleteWord.size()));
            result += ' ';
            position = fromPosition;
            continue;
        }
        openQuote = closingQuote(character);
        result += character;
        ++position;
    }
    return result;
}

// Returns where a comment starting at position ends (after its closing mark, or at the end of
// the text), or position itself when no comment starts there. Quotes inside comments quote
// nothing.
std::size_t StatementDialect::skipComment(std::string_view text, std::size_t position) {
    const std::string_view rest = text.substr(position);
    const bool lineComment = rest.substr(0, lineCommentMark.size()) == lineCommentMark;
    const bool blockComment = rest.substr(0, blockCommentStart.size()) == blockCommentStart;
    if (!lineComment && !blockComment) {
        return position;
    }
    const std::string_view end = lineComment ? lineCommentEnd : blockCommentEnd;
    const std::size_t found = text.find(end, position + 2);
    return found == std::string_view::npos ? text.size() : found + end.size();
}

// Returns where "FROM" starts when a "DELETE * FROM" begins at position, else 0.
std::size_t StatementDialect::matchDeleteAsterisk(std::string_view text, std::size_t position) {
    const bool startsWord = position == 0 || !isNameCharacter(text[position - 1]);
    if (!startsWord || !matchesWord(text, position, deleteWord)) {
        return 0;
    }
    const std::size_t asterisk = skipBlanks(text, position + deleteWord.size());
    if (asterisk >= text.size() || text[asterisk] != '*') {
        return 0;
    }
    const std::size_t from = skipBlanks(text, asterisk + 1);
    return matchesWord(text, from, fromWord) ? from : 0;
}

bool StatementDialect::matchesWord(std::string_view text, std::size_t position,
                                   std::string_view word) {
    if (position > text.size() || text.size() - position < word.size()) {
        return false;
    }
    for (std::size_t index = 0; index < word.size(); ++index) {
        if (asciiUpper(text[position + index]) != word[index]) {
            return false;
        }
    }
    const std::size_t end = position + word.size();
    return end == text.size() || !isNameCharacter(text[end]);
}

std::size_t StatementDialect::skipBlanks(std::string_view text, std::size_t position) {
    while (position < text.size() && blanks.find(text[position]) != std::string_view::npos) {
        ++position;
    }
    return position;
}

// Letters beyond ASCII (UTF-8 bytes) belong to names as well.
bool StatementDialect::isNameCharacter(char character) {
    return isAsciiAlphanumeric(character) || character == '_' ||
           static_cast<unsigned char>(character) >= firstNonAsciiByte;
}

// Literals in single quotes, names in double quotes, backquotes or brackets.
char StatementDialect::closingQuote(char character) {
    switch (character) {
    case '\'':
    case '"':
    case '`':
        return character;
    case '[':
        return ']';
    default:
        return noQuote;
    }
}
