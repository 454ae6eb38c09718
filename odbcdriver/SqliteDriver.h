// The SQLite ODBC driver behind the adapter: loaded once by its full path, its entry points
// resolved by name so that calls never reach the driver manager's functions of the same names.
#pragma once

#include <sql.h>
#include <sqlext.h>

class SqliteDriver {
public:
    template <typename Function> using Entry = Function*;

    static const SqliteDriver& instance();

    bool isLoaded() const { return library != nullptr; }

    Entry<decltype(::SQLAllocHandle)> allocHandle;
    Entry<decltype(::SQLAllocEnv)> allocEnv;
    Entry<decltype(::SQLAllocConnect)> allocConnect;
    Entry<decltype(::SQLAllocStmt)> allocStmt;
    Entry<decltype(::SQLFreeHandle)> freeHandle;
    Entry<decltype(::SQLFreeEnv)> freeEnv;
    Entry<decltype(::SQLFreeConnect)> freeConnect;
    Entry<decltype(::SQLFreeStmt)> freeStmt;
    Entry<decltype(::SQLConnect)> connect;
    Entry<decltype(::SQLDriverConnect)> driverConnect;
    Entry<decltype(::SQLDisconnect)> disconnect;
    Entry<decltype(::SQLExecDirect)> execDirect;
    Entry<decltype(::SQLPrepare)> prepare;
    Entry<decltype(::SQLExecute)> execute;
    Entry<decltype(::SQLNumResultCols)> numResultCols;
    Entry<decltype(::SQLDescribeCol)> describeCol;
    Entry<decltype(::SQLColAttribute)> colAttribute;
    Entry<decltype(::SQLColAttributes)> colAttributes;
    Entry<decltype(::SQLFetch)> fetch;
    Entry<decltype(::SQLGetData)> getData;
    Entry<decltype(::SQLRowCount)> rowCount;
    Entry<decltype(::SQLCloseCursor)> closeCursor;
    Entry<decltype(::SQLMoreResults)> moreResults;
    Entry<decltype(::SQLCancel)> cancel;
    Entry<decltype(::SQLTables)> tables;
    Entry<decltype(::SQLColumns)> columns;
    Entry<decltype(::SQLGetInfo)> getInfo;
    Entry<decltype(::SQLGetFunctions)> getFunctions;
    Entry<decltype(::SQLSetEnvAttr)> setEnvAttr;
    Entry<decltype(::SQLGetEnvAttr)> getEnvAttr;
    Entry<decltype(::SQLSetConnectAttr)> setConnectAttr;
    Entry<decltype(::SQLGetConnectAttr)> getConnectAttr;
    Entry<decltype(::SQLSetStmtAttr)> setStmtAttr;
    Entry<decltype(::SQLGetStmtAttr)> getStmtAttr;
    Entry<decltype(::SQLGetDiagRec)> getDiagRec;
    Entry<decltype(::SQLGetDiagField)> getDiagField;
    Entry<decltype(::SQLError)> error;
    Entry<decltype(::SQLEndTran)> endTran;
    Entry<decltype(::SQLTransact)> transact;

private:
    SqliteDriver();
    SqliteDriver(const SqliteDriver&) = delete;
    SqliteDriver& operator=(const SqliteDriver&) = delete;

    static void* openDriver();
    static void pinInstallerLibrary();
    static int openFlags();
    void resolveAll();
    template <typename Function> void resolve(Entry<Function>& entry, const char* name);

    void* library;
};
