// Remembers, per statement, the part of a character value that did not fit the caller's buffer,
// so that the next SQLGetData on the same column goes on where the last one stopped.
#include "odbcdriver/PendingValues.h"

#include <utility>

PendingValues& PendingValues::instance() {
    static PendingValues values;
    return values;
}

bool PendingValues::take(SQLHSTMT statement, SQLUSMALLINT column, std::string& rest) {
    const std::lock_guard<std::mutex> guard(mutex);
    const auto found = rests.find(statement);
    if (found == rests.end()) {
        return false;
    }
    const bool sameColumn = found->second.column == column;
    if (sameColumn) {
        rest = std::move(found->second.text);
    }
    rests.erase(found);
    return sameColumn;
}

void PendingValues::keep(SQLHSTMT statement, SQLUSMALLINT column, std::string rest) {
    const std::lock_guard<std::mutex> guard(mutex);
    rests[statement] = Rest{column, std::move(rest)};
}

void PendingValues::forget(SQLHSTMT statement) {
    const std::lock_guard<std::mutex> guard(mutex);
    rests.erase(statement);
}
