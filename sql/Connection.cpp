#include "sql/Connection.h"

#include "lang/JovFileNotFoundException.h"
#include "sql/Odbc.h"
#include "sql/Statement.h"

Connection::Connection(void* environment, const JovString& dataSource, const JovString& user,
                       const JovString& password) {
    SQLRETURN result = SQLAllocConnect(environment, &handle);
    if (result == SQL_SUCCESS) {
        result = SQLConnect(handle, odbcText(dataSource.chars()), SQL_NTS, odbcText(user.chars()),
                            SQL_NTS, odbcText(password.chars()), SQL_NTS);
    }
    if (result >= 0) {
        return;
    }
    // The object never becomes reachable, so its handle must not outlive the throw.
    if (handle) {
        SQLFreeConnect(handle);
    }
    throw JovFileNotFoundException();
}

Connection::~Connection() {
    statements.removeAllElements();
    SQLFreeConnect(handle);
}

Statement* Connection::createStatement() {
    Statement* statement = new Statement(this, handle);
    statements.addElement(statement);
    return statement;
}

short Connection::disconnect() {
    return SQLDisconnect(handle);
}

short Connection::setAutoCommit(bool on) {
    return SQLSetConnectOption(handle, SQL_AUTOCOMMIT, on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF);
}

short Connection::commit() {
    return SQLTransact(SQL_NULL_HENV, handle, SQL_COMMIT);
}

short Connection::rollback() {
    return SQLTransact(SQL_NULL_HENV, handle, SQL_ROLLBACK);
}

void Connection::removeStatement(Statement* statement) {
    statements.removeElement(statement);
}

JovString Connection::toString() const {
    return "ool.sql.Connection";
}
