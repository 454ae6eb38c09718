#include "sql/ResultSet.h"

#include "sql/Odbc.h"
#include "sql/Statement.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
constexpr int bufferSize = 1024;

// The driver may report more bytes than it stored; what it stored ends before the terminator.
int storedLength(SQLLEN reported) {
    return static_cast<int>(std::min<SQLLEN>(reported, bufferSize - 1));
}

// The value's leading bytes (clipped to its length) as a number; zero for NULL.
template <typename Number> Number leading(const JovString* value) {
    Number number = 0;
    if (value != nullptr && value->length() > 0) {
        std::memcpy(&number, value->chars(), std::min<int>(sizeof number, value->length()));
    }
    return number;
}

} // namespace

ResultSet::ResultSet(Statement* statement) : statement(statement) {
    for (SQLUSMALLINT column = 1; column <= statement->getColumnCount(); ++column) {
        char name[bufferSize] = {};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        SQLSMALLINT nullable = 0;
        SQLDescribeCol(statement->getHandle(), column, reinterpret_cast<SQLCHAR*>(name), bufferSize,
                       &nameLength, &type, &size, &digits, &nullable);
        columnNames.emplace_back(name, 0, static_cast<int>(strnlen(name, bufferSize - 1)));
    }
}

bool ResultSet::next() {
    currentRow.clear();
    const SQLRETURN fetched = SQLFetch(statement->getHandle());
    if (fetched != SQL_SUCCESS && fetched != SQL_SUCCESS_WITH_INFO) {
        return false;
    }
    for (SQLUSMALLINT column = 1; column <= statement->getColumnCount(); ++column) {
        char value[bufferSize] = {};
        SQLLEN indicator = SQL_NULL_DATA;
        SQLGetData(statement->getHandle(), column, SQL_C_DEFAULT, value, bufferSize, &indicator);
        if (indicator < 0) {
            currentRow.emplace_back();
            continue;
        }
        currentRow.emplace_back(value, 0, storedLength(indicator));
    }
    return true;
}

JovString* ResultSet::valueOf(const char* column, int length) const {
    for (std::size_t i = 0; i < columnNames.size(); ++i) {
        const JovString& name = columnNames[i];
        if (name.length() == length && std::memcmp(name.chars(), column, length) == 0) {
            return i < currentRow.size() ? &currentRow[i] : nullptr;
        }
    }
    return nullptr;
}

JovString* ResultSet::getString(const JovString& column) const {
    return valueOf(column.chars(), column.length());
}

JovString* ResultSet::getString(const char* column) const {
    return valueOf(column, static_cast<int>(std::strlen(column)));
}

int ResultSet::getInt(const JovString& column) const {
    return leading<std::int32_t>(getString(column));
}

int ResultSet::getInt(const char* column) const {
    return leading<std::int32_t>(getString(column));
}

double ResultSet::getDouble(const JovString& column) const {
    return leading<double>(getString(column));
}

double ResultSet::getDouble(const char* column) const {
    return leading<double>(getString(column));
}

bool ResultSet::getBoolean(const JovString& column) const {
    return (leading<std::int32_t>(getString(column)) & 0xFF) != 0;
}

bool ResultSet::getBoolean(const char* column) const {
    return (leading<std::int32_t>(getString(column)) & 0xFF) != 0;
}

JovString ResultSet::toString() const {
    return "ool.sql.ResultSet";
}
