// Reads one column value of the current row for the host: SQL_C_DEFAULT resolved from the
// column's described type, character data converted from UTF-8 to Windows-1252.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <string>

class SqliteDriver;

class ColumnReader {
public:
    explicit ColumnReader(const SqliteDriver& driver) : driver(driver) {}

    SQLRETURN getData(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT targetType,
                      SQLPOINTER target, SQLLEN capacity, SQLLEN* indicator) const;

    // The C type ODBC's default conversion gives for a column's SQL type, or SQL_C_DEFAULT when
    // the driver may decide. Text is always delivered as 8-bit characters to the host.
    static SQLSMALLINT defaultCType(SQLSMALLINT sqlType);

private:
    // A 32-bit integer target type and the values it can hold.
    struct IntegerTarget {
        SQLSMALLINT type;
        std::int64_t lowest;
        std::int64_t highest;
    };

    static const IntegerTarget* integerTarget(SQLSMALLINT targetType);
    // A value outside the target's range is an error (22003), never a cut value.
    SQLRETURN readInteger(SQLHSTMT statement, SQLUSMALLINT column, const IntegerTarget& integer,
                          SQLPOINTER target, SQLLEN* indicator) const;
    SQLSMALLINT describedType(SQLHSTMT statement, SQLUSMALLINT column) const;
    SQLRETURN readText(SQLHSTMT statement, SQLUSMALLINT column, SQLPOINTER target, SQLLEN capacity,
                       SQLLEN* indicator) const;
    SQLRETURN readUtf8(SQLHSTMT statement, SQLUSMALLINT column, std::string& value,
                       bool& isNull) const;

    const SqliteDriver& driver;
};
