// Reads one column value of the current row for the host: SQL_C_DEFAULT resolved from the
// column's described type, character data converted from UTF-8 to Windows-1252.
#include "odbcdriver/ColumnReader.h"

#include "odbcdriver/CallerBuffer.h"
#include "odbcdriver/Cp1252.h"
#include "odbcdriver/PendingValues.h"
#include "odbcdriver/SqliteDriver.h"

namespace {

// Values of the program's tables are short; longer ones are read in several pieces.
constexpr SQLLEN chunkCapacity = 1024;

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
    return driver.getData(statement, column, targetType, target, capacity, indicator);
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

// Collects the whole value from the driver, which hands out long values piece by piece.
SQLRETURN ColumnReader::readUtf8(SQLHSTMT statement, SQLUSMALLINT column, std::string& value,
                                 bool& isNull) const {
    char chunk[chunkCapacity];
    constexpr auto piece = static_cast<std::size_t>(chunkCapacity - 1);
    for (;;) {
        SQLLEN length = 0;
        const SQLRETURN result =
            driver.getData(statement, column, SQL_C_CHAR, chunk, chunkCapacity, &length);
        if (!SQL_SUCCEEDED(result)) {
            return result;
        }
        if (length == SQL_NULL_DATA) {
            isNull = true;
            return SQL_SUCCESS;
        }
        const bool complete = length != SQL_NO_TOTAL && length <= static_cast<SQLLEN>(piece);
        value.append(chunk, complete ? static_cast<std::size_t>(length) : piece);
        if (complete || result == SQL_SUCCESS) {
            return SQL_SUCCESS;
        }
    }
}
