// The ODBC entry points the driver manager finds in the adapter. Each hands the call to the
// SQLite driver; statement texts, character data and column names are converted between the
// host's Windows-1252 and the database's UTF-8 on the way.
#include "odbcdriver/AdapterDiagnostics.h"
#include "odbcdriver/CallerBuffer.h"
#include "odbcdriver/ColumnReader.h"
#include "odbcdriver/PendingValues.h"
#include "odbcdriver/SqliteDriver.h"
#include "odbcdriver/StatementDialect.h"

#include <sql.h>
#include <sqlext.h>

#include <cstring>
#include <exception>
#include <limits>
#include <string>
#include <string_view>

namespace {

// Room for a column name or an attribute text in the driver's form.
constexpr SQLSMALLINT textCapacity = 4096;

const SqliteDriver& driver() {
    return SqliteDriver::instance();
}

// A new call on a statement ends what the last one left: an unread rest and any diagnostic.
void forgetPending(SQLHSTMT statement) {
    PendingValues::instance().forget(statement);
    AdapterDiagnostics::instance().clear(statement);
}

// No C++ exception may cross into the C host; running out of memory becomes a plain error.
template <typename Action> SQLRETURN guarded(Action action) noexcept {
    try {
        return action();
    } catch (const std::exception&) {
        return SQL_ERROR;
    }
}

// Runs a driver call with the statement text rewritten for SQLite. Texts the driver must
// reject anyway (no text, a bad length) go over unchanged so that it reports the error.
template <typename Call> SQLRETURN withSqliteText(SQLCHAR* text, SQLINTEGER length, Call call) {
    if (text == nullptr || (length < 0 && length != SQL_NTS)) {
        return call(text, length);
    }
    const auto* bytes = reinterpret_cast<const char*>(text);
    const std::size_t size = length == SQL_NTS ? std::strlen(bytes) : std::size_t(length);
    std::string sqliteText = StatementDialect::toSqlite(std::string_view(bytes, size));
    if (sqliteText.size() > std::size_t(std::numeric_limits<SQLINTEGER>::max())) {
        return SQL_ERROR;
    }
    return call(reinterpret_cast<SQLCHAR*>(sqliteText.data()),
                static_cast<SQLINTEGER>(sqliteText.size()));
}

// Runs a driver call that writes a UTF-8 text and hands that text to the caller converted.
template <typename Call>
SQLRETURN withHostText(SQLPOINTER target, SQLSMALLINT capacity, SQLSMALLINT* length, Call call) {
    char text[textCapacity] = {};
    SQLSMALLINT driverLength = 0;
    const SQLRETURN result = call(reinterpret_cast<SQLCHAR*>(text), textCapacity, &driverLength);
    if (!SQL_SUCCEEDED(result)) {
        return result;
    }
    const std::string_view utf8(text, strnlen(text, textCapacity));
    return CallerBuffer::fillFromUtf8(utf8, result, target, capacity, length);
}

bool isCharacterAttribute(SQLUSMALLINT field) {
    switch (field) {
    case SQL_COLUMN_NAME:
    case SQL_DESC_NAME:
    case SQL_DESC_LABEL:
    case SQL_DESC_BASE_COLUMN_NAME:
    case SQL_DESC_BASE_TABLE_NAME:
    case SQL_DESC_TABLE_NAME:
    case SQL_DESC_SCHEMA_NAME:
    case SQL_DESC_CATALOG_NAME:
    case SQL_DESC_TYPE_NAME:
    case SQL_DESC_LOCAL_TYPE_NAME:
    case SQL_DESC_LITERAL_PREFIX:
    case SQL_DESC_LITERAL_SUFFIX:
        return true;
    default:
        return false;
    }
}

// The fields of the adapter's own record: one record, its state, text and no native code.
SQLRETURN ownDiagField(const AdapterDiagnostics::Record& own, SQLSMALLINT record, SQLSMALLINT field,
                       SQLPOINTER value, SQLSMALLINT capacity, SQLSMALLINT* length) {
    if (record == 0 && field == SQL_DIAG_NUMBER) {
        *static_cast<SQLINTEGER*>(value) = 1;
        return SQL_SUCCESS;
    }
    if (record != 1) {
        return SQL_NO_DATA;
    }
    std::size_t copied = 0;
    switch (field) {
    case SQL_DIAG_SQLSTATE:
        CallerBuffer::storeLength(length, own.state.size());
        return CallerBuffer::fill(own.state, value, capacity, copied);
    case SQL_DIAG_MESSAGE_TEXT:
        CallerBuffer::storeLength(length, own.message.size());
        return CallerBuffer::fill(own.message, value, capacity, copied);
    case SQL_DIAG_NATIVE:
        *static_cast<SQLINTEGER*>(value) = 0;
        return SQL_SUCCESS;
    default:
        return SQL_NO_DATA;
    }
}

} // namespace

extern "C" {

SQLRETURN SQL_API SQLAllocHandle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output) {
    const SQLRETURN result = driver().allocHandle(type, input, output);
    if (SQL_SUCCEEDED(result) && type == SQL_HANDLE_STMT) {
        forgetPending(*output);
    }
    return result;
}

SQLRETURN SQL_API SQLAllocEnv(SQLHENV* environment) {
    return driver().allocEnv(environment);
}

SQLRETURN SQL_API SQLAllocConnect(SQLHENV environment, SQLHDBC* connection) {
    return driver().allocConnect(environment, connection);
}

SQLRETURN SQL_API SQLAllocStmt(SQLHDBC connection, SQLHSTMT* statement) {
    const SQLRETURN result = driver().allocStmt(connection, statement);
    if (SQL_SUCCEEDED(result)) {
        forgetPending(*statement);
    }
    return result;
}

SQLRETURN SQL_API SQLFreeHandle(SQLSMALLINT type, SQLHANDLE handle) {
    if (type == SQL_HANDLE_STMT) {
        forgetPending(handle);
    }
    return driver().freeHandle(type, handle);
}

SQLRETURN SQL_API SQLFreeEnv(SQLHENV environment) {
    return driver().freeEnv(environment);
}

SQLRETURN SQL_API SQLFreeConnect(SQLHDBC connection) {
    return driver().freeConnect(connection);
}

SQLRETURN SQL_API SQLFreeStmt(SQLHSTMT statement, SQLUSMALLINT option) {
    if (option == SQL_CLOSE || option == SQL_DROP) {
        forgetPending(statement);
    }
    return driver().freeStmt(statement, option);
}

SQLRETURN SQL_API SQLConnect(SQLHDBC connection, SQLCHAR* dataSource, SQLSMALLINT dataSourceLength,
                             SQLCHAR* user, SQLSMALLINT userLength, SQLCHAR* password,
                             SQLSMALLINT passwordLength) {
    return driver().connect(connection, dataSource, dataSourceLength, user, userLength, password,
                            passwordLength);
}

SQLRETURN SQL_API SQLDriverConnect(SQLHDBC connection, SQLHWND window, SQLCHAR* inText,
                                   SQLSMALLINT inLength, SQLCHAR* outText, SQLSMALLINT outCapacity,
                                   SQLSMALLINT* outLength, SQLUSMALLINT completion) {
    return driver().driverConnect(connection, window, inText, inLength, outText, outCapacity,
                                  outLength, completion);
}

SQLRETURN SQL_API SQLDisconnect(SQLHDBC connection) {
    return driver().disconnect(connection);
}

SQLRETURN SQL_API SQLExecDirect(SQLHSTMT statement, SQLCHAR* text, SQLINTEGER length) {
    forgetPending(statement);
    return guarded([&] {
        return withSqliteText(text, length, [&](SQLCHAR* sqliteText, SQLINTEGER sqliteLength) {
            return driver().execDirect(statement, sqliteText, sqliteLength);
        });
    });
}

SQLRETURN SQL_API SQLPrepare(SQLHSTMT statement, SQLCHAR* text, SQLINTEGER length) {
    forgetPending(statement);
    return guarded([&] {
        return withSqliteText(text, length, [&](SQLCHAR* sqliteText, SQLINTEGER sqliteLength) {
            return driver().prepare(statement, sqliteText, sqliteLength);
        });
    });
}

SQLRETURN SQL_API SQLExecute(SQLHSTMT statement) {
    forgetPending(statement);
    return driver().execute(statement);
}

SQLRETURN SQL_API SQLNumResultCols(SQLHSTMT statement, SQLSMALLINT* count) {
    return driver().numResultCols(statement, count);
}

SQLRETURN SQL_API SQLDescribeCol(SQLHSTMT statement, SQLUSMALLINT column, SQLCHAR* name,
                                 SQLSMALLINT nameCapacity, SQLSMALLINT* nameLength,
                                 SQLSMALLINT* type, SQLULEN* size, SQLSMALLINT* digits,
                                 SQLSMALLINT* nullable) {
    return guarded([&] {
        return withHostText(name, nameCapacity, nameLength,
                            [&](SQLCHAR* text, SQLSMALLINT capacity, SQLSMALLINT* length) {
                                return driver().describeCol(statement, column, text, capacity,
                                                            length, type, size, digits, nullable);
                            });
    });
}

SQLRETURN SQL_API SQLColAttribute(SQLHSTMT statement, SQLUSMALLINT column, SQLUSMALLINT field,
                                  SQLPOINTER text, SQLSMALLINT capacity, SQLSMALLINT* length,
                                  SQLLEN* number) {
    if (!isCharacterAttribute(field)) {
        return driver().colAttribute(statement, column, field, text, capacity, length, number);
    }
    return guarded([&] {
        return withHostText(text, capacity, length,
                            [&](SQLCHAR* utf8, SQLSMALLINT utf8Capacity, SQLSMALLINT* utf8Length) {
                                return driver().colAttribute(statement, column, field, utf8,
                                                             utf8Capacity, utf8Length, number);
                            });
    });
}

SQLRETURN SQL_API SQLColAttributes(SQLHSTMT statement, SQLUSMALLINT column, SQLUSMALLINT field,
                                   SQLPOINTER text, SQLSMALLINT capacity, SQLSMALLINT* length,
                                   SQLLEN* number) {
    if (!isCharacterAttribute(field)) {
        return driver().colAttributes(statement, column, field, text, capacity, length, number);
    }
    return guarded([&] {
        return withHostText(text, capacity, length,
                            [&](SQLCHAR* utf8, SQLSMALLINT utf8Capacity, SQLSMALLINT* utf8Length) {
                                return driver().colAttributes(statement, column, field, utf8,
                                                              utf8Capacity, utf8Length, number);
                            });
    });
}

SQLRETURN SQL_API SQLFetch(SQLHSTMT statement) {
    forgetPending(statement);
    return driver().fetch(statement);
}

SQLRETURN SQL_API SQLGetData(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT targetType,
                             SQLPOINTER target, SQLLEN capacity, SQLLEN* indicator) {
    AdapterDiagnostics::instance().clear(statement);
    return guarded([&] {
        return ColumnReader(driver()).getData(statement, column, targetType, target, capacity,
                                              indicator);
    });
}

SQLRETURN SQL_API SQLRowCount(SQLHSTMT statement, SQLLEN* count) {
    return driver().rowCount(statement, count);
}

SQLRETURN SQL_API SQLCloseCursor(SQLHSTMT statement) {
    forgetPending(statement);
    return driver().closeCursor(statement);
}

SQLRETURN SQL_API SQLMoreResults(SQLHSTMT statement) {
    forgetPending(statement);
    return driver().moreResults(statement);
}

SQLRETURN SQL_API SQLCancel(SQLHSTMT statement) {
    forgetPending(statement);
    return driver().cancel(statement);
}

SQLRETURN SQL_API SQLTables(SQLHSTMT statement, SQLCHAR* catalog, SQLSMALLINT catalogLength,
                            SQLCHAR* schema, SQLSMALLINT schemaLength, SQLCHAR* table,
                            SQLSMALLINT tableLength, SQLCHAR* tableType,
                            SQLSMALLINT tableTypeLength) {
    forgetPending(statement);
    return driver().tables(statement, catalog, catalogLength, schema, schemaLength, table,
                           tableLength, tableType, tableTypeLength);
}

SQLRETURN SQL_API SQLColumns(SQLHSTMT statement, SQLCHAR* catalog, SQLSMALLINT catalogLength,
                             SQLCHAR* schema, SQLSMALLINT schemaLength, SQLCHAR* table,
                             SQLSMALLINT tableLength, SQLCHAR* column, SQLSMALLINT columnLength) {
    forgetPending(statement);
    return driver().columns(statement, catalog, catalogLength, schema, schemaLength, table,
                            tableLength, column, columnLength);
}

SQLRETURN SQL_API SQLGetInfo(SQLHDBC connection, SQLUSMALLINT type, SQLPOINTER value,
                             SQLSMALLINT capacity, SQLSMALLINT* length) {
    return driver().getInfo(connection, type, value, capacity, length);
}

SQLRETURN SQL_API SQLGetFunctions(SQLHDBC connection, SQLUSMALLINT function,
                                  SQLUSMALLINT* supported) {
    return driver().getFunctions(connection, function, supported);
}

SQLRETURN SQL_API SQLSetEnvAttr(SQLHENV environment, SQLINTEGER attribute, SQLPOINTER value,
                                SQLINTEGER length) {
    return driver().setEnvAttr(environment, attribute, value, length);
}

SQLRETURN SQL_API SQLGetEnvAttr(SQLHENV environment, SQLINTEGER attribute, SQLPOINTER value,
                                SQLINTEGER capacity, SQLINTEGER* length) {
    return driver().getEnvAttr(environment, attribute, value, capacity, length);
}

SQLRETURN SQL_API SQLSetConnectAttr(SQLHDBC connection, SQLINTEGER attribute, SQLPOINTER value,
                                    SQLINTEGER length) {
    return driver().setConnectAttr(connection, attribute, value, length);
}

SQLRETURN SQL_API SQLGetConnectAttr(SQLHDBC connection, SQLINTEGER attribute, SQLPOINTER value,
                                    SQLINTEGER capacity, SQLINTEGER* length) {
    return driver().getConnectAttr(connection, attribute, value, capacity, length);
}

SQLRETURN SQL_API SQLSetStmtAttr(SQLHSTMT statement, SQLINTEGER attribute, SQLPOINTER value,
                                 SQLINTEGER length) {
    return driver().setStmtAttr(statement, attribute, value, length);
}

SQLRETURN SQL_API SQLGetStmtAttr(SQLHSTMT statement, SQLINTEGER attribute, SQLPOINTER value,
                                 SQLINTEGER capacity, SQLINTEGER* length) {
    return driver().getStmtAttr(statement, attribute, value, capacity, length);
}

// Diagnostic messages go over unchanged: the driver manager re-encodes them for the host's
// locale itself.
SQLRETURN SQL_API SQLGetDiagRec(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT record,
                                SQLCHAR* state, SQLINTEGER* nativeError, SQLCHAR* message,
                                SQLSMALLINT capacity, SQLSMALLINT* length) {
    AdapterDiagnostics::Record own;
    if (type == SQL_HANDLE_STMT && AdapterDiagnostics::instance().find(handle, own)) {
        return record == 1
                   ? AdapterDiagnostics::fill(own, state, nativeError, message, capacity, length)
                   : SQL_NO_DATA;
    }
    return driver().getDiagRec(type, handle, record, state, nativeError, message, capacity, length);
}

SQLRETURN SQL_API SQLGetDiagField(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT record,
                                  SQLSMALLINT field, SQLPOINTER value, SQLSMALLINT capacity,
                                  SQLSMALLINT* length) {
    AdapterDiagnostics::Record own;
    if (type == SQL_HANDLE_STMT && AdapterDiagnostics::instance().find(handle, own)) {
        return ownDiagField(own, record, field, value, capacity, length);
    }
    return driver().getDiagField(type, handle, record, field, value, capacity, length);
}

SQLRETURN SQL_API SQLError(SQLHENV environment, SQLHDBC connection, SQLHSTMT statement,
                           SQLCHAR* state, SQLINTEGER* nativeError, SQLCHAR* message,
                           SQLSMALLINT capacity, SQLSMALLINT* length) {
    AdapterDiagnostics::Record own;
    if (statement != SQL_NULL_HSTMT && AdapterDiagnostics::instance().find(statement, own)) {
        // SQLError hands out each record once.
        AdapterDiagnostics::instance().clear(statement);
        return AdapterDiagnostics::fill(own, state, nativeError, message, capacity, length);
    }
    return driver().error(environment, connection, statement, state, nativeError, message, capacity,
                          length);
}

SQLRETURN SQL_API SQLEndTran(SQLSMALLINT type, SQLHANDLE handle, SQLSMALLINT completion) {
    return driver().endTran(type, handle, completion);
}

SQLRETURN SQL_API SQLTransact(SQLHENV environment, SQLHDBC connection, SQLUSMALLINT completion) {
    return driver().transact(environment, connection, completion);
}

} // extern "C"
