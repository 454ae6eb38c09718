// Remembers, per statement, the part of a character value that did not fit the caller's buffer,
// so that the next SQLGetData on the same column goes on where the last one stopped.
#pragma once

#include <sql.h>

#include <mutex>
#include <string>
#include <unordered_map>

class PendingValues {
public:
    static PendingValues& instance();

    // Hands out the rest kept for this column and forgets it; a rest kept for another column
    // is dropped, as reading a different column ends the previous one.
    bool take(SQLHSTMT statement, SQLUSMALLINT column, std::string& rest);

    void keep(SQLHSTMT statement, SQLUSMALLINT column, std::string rest);

    // Called whenever the statement moves to another row or result, or ends.
    void forget(SQLHSTMT statement);

private:
    struct Rest {
        SQLUSMALLINT column;
        std::string text;
    };

    PendingValues() = default;

    std::mutex mutex;
    std::unordered_map<SQLHSTMT, Rest> rests;
};
