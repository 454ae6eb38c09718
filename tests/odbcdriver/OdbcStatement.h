// One statement handle of a test session, freed with the object, with the reading calls the
// adapter's tests repeat.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

class OdbcSession;

class OdbcStatement {
public:
    explicit OdbcStatement(const OdbcSession& session);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    SQLRETURN execute(const std::string& text);
    bool fetch();

    // The value of a column as SQL_C_CHAR, read through a buffer of the program's size; an
    // empty text for NULL.
    std::string text(SQLUSMALLINT column);
    int integer(SQLUSMALLINT column);
    double number(SQLUSMALLINT column);

    // The first diagnostic record as the caller receives it: its state, a blank and its text.
    std::string message();

    SQLHSTMT handle() const { return statement; }

private:
    SQLHSTMT statement = SQL_NULL_HSTMT;
};
