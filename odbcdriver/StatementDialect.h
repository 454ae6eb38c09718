// Turns the program's statement texts (Windows-1252, desktop-database dialect) into texts the
// SQLite driver executes.
#pragma once

#include <string>
#include <string_view>

class StatementDialect {
public:
    static std::string toSqlite(std::string_view programText);

    // "DELETE * FROM" becomes "DELETE FROM", in any letter case, outside quoted literals, quoted
    // names and comments; everything else stays byte for byte.
    static std::string dropDeleteAsterisk(std::string_view text);

private:
    static std::size_t skipComment(std::string_view text, std::size_t position);
    static std::size_t matchDeleteAsterisk(std::string_view text, std::size_t position);
    static bool matchesWord(std::string_view text, std::size_t position, std::string_view word);
    static std::size_t skipBlanks(std::string_view text, std::size_t position);
    static bool isNameCharacter(char character);
    static char closingQuote(char character);
};
