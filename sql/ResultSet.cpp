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
        columnNames.addElement(JovString(name, 0, static_cast<int>(strnlen(name, bufferSize - 1))));
    }
}

bool ResultSet::next() {
    currentRow.removeAllElements();
    const SQLRETURN fetched = SQLFetch(statement->getHandle());
    if (fetched != SQL_SUCCESS && fetched != SQL_SUCCESS_WITH_INFO) {
        return false;
    }
    for (SQLUSMALLINT column = 1; column <= statement->getColumnCount(); ++column) {
        char value[bufferSize] = {};
        SQLLEN indicator = SQL_NULL_DATA;
        SQLGetData(statement->getHandle(), column, SQL_C_DEFAULT, value, bufferSize, &indicator);
        if (indicator < 0) {
            currentRow.addElement(JovString());
            continue;
        }
        currentRow.addElement(JovString(value, 0, storedLength(indicator)));
    }
    return true;
}

JovString* ResultSet::valueOf(const JovString& column) const {
    for (int i = 0; i < columnNames.size(); ++i) {
        if (*static_cast<JovString*>(columnNames.elementAt(i)) == column) {
            return i < currentRow.size() ? static_cast<JovString*>(currentRow.elementAt(i))
                                         : nullptr;
        }
    }
    return nullptr;
}

bool ResultSet::copyValue(const JovString& column, void* target, int size) const {
    const JovString* value = valueOf(column);
    if (!value || value->length() == 0) {
        return false;
    }
    std::memcpy(target, value->chars(), std::min(size, value->length()));
    return true;
}

JovString* ResultSet::getString(const JovString& column) const {
    return valueOf(column);
}

int ResultSet::getInt(const JovString& column) const {
    std::int32_t value = 0;
    copyValue(column, &value, sizeof value);
    return value;
}

double ResultSet::getDouble(const JovString& column) const {
    double value = 0.0;
    copyValue(column, &value, sizeof value);
    return value;
}

bool ResultSet::getBoolean(const JovString& column) const {
    std::int32_t value = 0;
    copyValue(column, &value, sizeof value);
    return (value & 0xFF) != 0;
}

JovString ResultSet::toString() const {
    return "ool.sql.ResultSet";
}
