// Reads one column value of the current row for the host: SQL_C_DEFAULT resolved from the
// column's described type, character data converted from UTF-8 to Windows-1252.
#pragma once

#include <sql.h>
#include <sqlext.h>

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
    SQLSMALLINT describedType(SQLHSTMT statement, SQLUSMALLINT column) const;
    SQLRETURN readText(SQLHSTMT statement, SQLUSMALLINT column, SQLPOINTER target, SQLLEN capacity,
                       SQLLEN* indicator) const;
    SQLRETURN readUtf8(SQLHSTMT statement, SQLUSMALLINT column, std::string& value,
                       bool& isNull) const;

    const SqliteDriver& driver;
};
