#include "sql/Statement.h"

#include "sql/Connection.h"
#include "sql/Odbc.h"
#include "sql/ResultSet.h"

Statement::Statement(Connection* connection, void* connectionHandle) : connection(connection) {
    SQLAllocStmt(connectionHandle, &handle);
}

Statement::~Statement() {
    SQLFreeStmt(handle, SQL_DROP);
}

ResultSet* Statement::executeQuery(const JovString& sql) {
    if (SQLExecDirect(handle, odbcText(sql.chars()), SQL_NTS) != SQL_SUCCESS) {
        return nullptr;
    }
    SQLSMALLINT count = 0;
    SQLNumResultCols(handle, &count);
    columnCount = count;
    ResultSet* resultSet = new ResultSet(this);
    resultSets.addElement(resultSet);
    return resultSet;
}

short Statement::executeUpdate(const JovString& sql) {
    return SQLExecDirect(handle, odbcText(sql.chars()), SQL_NTS);
}

JovString Statement::getDiagnostic() const {
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER nativeError = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLError(SQL_NULL_HENV, SQL_NULL_HDBC, handle, state, &nativeError, message,
                                sizeof message, &length))) {
        return JovString();
    }
    return "[" + JovString(reinterpret_cast<const char*>(state)) + "] " +
           JovString(reinterpret_cast<const char*>(message));
}

void Statement::close() {
    resultSets.removeAllElements();
    connection->removeStatement(this);
}

JovString Statement::toString() const {
    return "ool.sql.Statement";
}
