// Reads one column value of the current row for the host: SQL_C_DEFAULT resolved from the
// column's described type, character data converted from UTF-8 to Windows-1252.
#include "odbcdriver/ColumnReader.h"

#include "odbcdriver/AdapterDiagnostics.h"
#include "odbcdriver/CallerBuffer.h"
#include "odbcdriver/Cp1252.h"
#include "odbcdriver/PendingValues.h"
#include "odbcdriver/SqliteDriver.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// Values of the program's tables are short and fit the first piece.
constexpr std::size_t firstPieceCapacity = 1024;
constexpr const char* numericOutOfRangeState = "22003";
constexpr const char* numericOutOfRangeText = "numeric value out of range";

} // namespace

SQLRETURN ColumnReader::getData(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT targetType,
                                SQLPOINTER target, SQLLEN capacity, SQLLEN* indicator) const {
    if (targetType == SQL_C_DEFAULT) {
        targetType = defaultCType(describedType(statement, column));
    }
    if (targetType == SQL_C_CHAR) {
        return readText(statement, column, target, capacity, indicator);
    }
    PendingValues::instance().forget(statement);
    if (const IntegerTarget* integer = integerTarget(targetType)) {
        return readInteger(statement, column, *integer, target, indicator);
    }
    return driver.getData(statement, column, targetType, target, capacity, indicator);
}

// The driver converts integers to 32 bits by cutting off the high bits, so they are read at
// 64 bits and checked here.
const ColumnReader::IntegerTarget* ColumnReader::integerTarget(SQLSMALLINT targetType) {
    static constexpr IntegerTarget targets[] = {
        {SQL_C_SLONG, std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int32_t>::max()},
        {SQL_C_LONG, std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int32_t>::max()},
        {SQL_C_ULONG, 0, std::numeric_limits<std::uint32_t>::max()},
    };
    for (const IntegerTarget& target : targets) {
        if (target.type == targetType) {
            return &target;
        }
    }
    return nullptr;
}

SQLRETURN ColumnReader::readInteger(SQLHSTMT statement, SQLUSMALLINT column,
                                    const IntegerTarget& integer, SQLPOINTER target,
                                    SQLLEN* indicator) const {
    std::int64_t value = 0;
    SQLLEN length = 0;
    const SQLRETURN result =
        driver.getData(statement, column, SQL_C_SBIGINT, &value, sizeof value, &length);
    if (!SQL_SUCCEEDED(result)) {
        return result;
    }
    if (length == SQL_NULL_DATA) {
        if (indicator != nullptr) {
            *indicator = SQL_NULL_DATA;
        }
        return result;
    }
    if (value < integer.lowest || value > integer.highest) {
        return AdapterDiagnostics::instance().raise(statement, numericOutOfRangeState,
                                                    numericOutOfRangeText);
    }
    const auto narrowed = static_cast<std::uint32_t>(value);
    std::memcpy(target, &narrowed, sizeof narrowed);
    if (indicator != nullptr) {
        *indicator = sizeof narrowed;
    }
    return result;
}

SQLSMALLINT ColumnReader::defaultCType(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
        return SQL_C_CHAR;
    case SQL_INTEGER:
        return SQL_C_SLONG;
    case SQL_SMALLINT:
        return SQL_C_SSHORT;
    case SQL_TINYINT:
        return SQL_C_STINYINT;
    case SQL_BIGINT:
        return SQL_C_SBIGINT;
    case SQL_BIT:
        return SQL_C_BIT;
    case SQL_REAL:
        return SQL_C_FLOAT;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return SQL_C_DOUBLE;
    default:
        return SQL_C_DEFAULT;
    }
}

SQLSMALLINT ColumnReader::describedType(SQLHSTMT statement, SQLUSMALLINT column) const {
    SQLLEN type = SQL_UNKNOWN_TYPE;
    const SQLRETURN result =
        driver.colAttribute(statement, column, SQL_DESC_CONCISE_TYPE, nullptr, 0, nullptr, &type);
    return SQL_SUCCEEDED(result) ? static_cast<SQLSMALLINT>(type) : SQL_UNKNOWN_TYPE;
}

SQLRETURN ColumnReader::readText(SQLHSTMT statement, SQLUSMALLINT column, SQLPOINTER target,
                                 SQLLEN capacity, SQLLEN* indicator) const {
    if (capacity < 0) {
        return driver.getData(statement, column, SQL_C_CHAR, target, capacity, indicator);
    }
    std::string text;
    if (!PendingValues::instance().take(statement, column, text)) {
        bool isNull = false;
        std::string utf8;
        const SQLRETURN result = readUtf8(statement, column, utf8, isNull);
        if (result != SQL_SUCCESS) {
            return result;
        }
        if (isNull) {
            // ODBC wants an indicator for NULL; without one the value cannot be reported.
            if (indicator == nullptr) {
                return SQL_ERROR;
            }
            *indicator = SQL_NULL_DATA;
            return SQL_SUCCESS;
        }
        text = Cp1252::fromUtf8(utf8);
    }
    std::size_t copied = 0;
    const SQLRETURN result = CallerBuffer::fill(text, target, capacity, copied);
    CallerBuffer::storeLength(indicator, text.size());
    if (result == SQL_SUCCESS_WITH_INFO) {
        PendingValues::instance().keep(statement, column, text.substr(copied));
    }
    return result;
}

// Collects the whole value from the driver, which hands out long values piece by piece and may
// spend time in proportion to the whole value on every piece: after the first piece the rest is
// asked for in one piece of the length the driver reported.
SQLRETURN ColumnReader::readUtf8(SQLHSTMT statement, SQLUSMALLINT column, std::string& value,
                                 bool& isNull) const {
    std::size_t capacity = firstPieceCapacity;
    for (;;) {
        // Left uninitialised: the driver fills what it reports.
        const std::unique_ptr<char[]> piece(new char[capacity]);
        SQLLEN length = 0;
        const SQLRETURN result = driver.getData(statement, column, SQL_C_CHAR, piece.get(),
                                                static_cast<SQLLEN>(capacity), &length);
        if (!SQL_SUCCEEDED(result)) {
            return result;
        }
        if (length == SQL_NULL_DATA) {
            isNull = true;
            return SQL_SUCCESS;
        }
        const std::size_t room = capacity - 1;
        const bool complete = length != SQL_NO_TOTAL && static_cast<std::size_t>(length) <= room;
        value.append(piece.get(), complete ? static_cast<std::size_t>(length) : room);
        if (complete || result == SQL_SUCCESS) {
            return SQL_SUCCESS;
        }
        // What is left (the reported length less the piece just read) and its terminator, or
        // twice the room when the driver does not know.
        capacity =
            length == SQL_NO_TOTAL ? capacity * 2 : static_cast<std::size_t>(length) - room + 1;
        value.reserve(value.size() + capacity);
    }
}
