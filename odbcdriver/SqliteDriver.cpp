// The SQLite ODBC driver behind the adapter: loaded once by its full path, its entry points
// resolved by name so that calls never reach the driver manager's functions of the same names.
#include "odbcdriver/SqliteDriver.h"

#include <dlfcn.h>

#include <cstdio>

namespace {

constexpr const char* driverPath = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";
constexpr const char* installerLibrary = "libodbcinst.so.2";
constexpr const char* sanitizerSymbol = "__sanitizer_set_report_path";

// Stands in for an entry point the driver lacks, so that every entry is callable.
template <typename Function> struct Unavailable;

template <typename... Arguments> struct Unavailable<SQLRETURN(Arguments...)> {
    static SQLRETURN call(Arguments...) { return SQL_ERROR; }
};

} // namespace

const SqliteDriver& SqliteDriver::instance() {
    static const SqliteDriver driver;
    return driver;
}

SqliteDriver::SqliteDriver() : library(openDriver()) {
    resolveAll();
}

// The driver stays loaded for the life of the process (like the installer library below), even
// when the driver manager unloads the adapter between connections.
void* SqliteDriver::openDriver() {
    pinInstallerLibrary();
    void* const driver = dlopen(driverPath, openFlags());
    if (driver == nullptr) {
        std::fprintf(stderr, "mealsodbc: %s\n", dlerror());
    }
    return driver;
}

// The driver manager has the installer functions built in, so the SQLite driver loads its own
// copy of the installer library on every connect to read the data source, and unloads it
// again, stranding the ini cache that library keeps (LeakSanitizer fails the process on it).
// Kept loaded for the life of the process, the library and its cache are loaded once.
void SqliteDriver::pinInstallerLibrary() {
    dlopen(installerLibrary, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

// RTLD_DEEPBIND puts the driver's own symbols ahead of the host's global scope, where the driver
// manager's SQL* functions live. Sanitizer runtimes abort on RTLD_DEEPBIND because their
// interceptors must stay first. Without it the driver still binds to itself: it calls its own
// entry points directly (it imports only libsqlite3 and libc symbols, nothing named SQL*), and
// malloc and free then both come from the sanitizer, so the native tests run the real chain.
int SqliteDriver::openFlags() {
    const bool sanitized = dlsym(RTLD_DEFAULT, sanitizerSymbol) != nullptr;
    return RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE | (sanitized ? 0 : RTLD_DEEPBIND);
}

void SqliteDriver::resolveAll() {
    resolve(allocHandle, "SQLAllocHandle");
    resolve(allocEnv, "SQLAllocEnv");
    resolve(allocConnect, "SQLAllocConnect");
    resolve(allocStmt, "SQLAllocStmt");
    resolve(freeHandle, "SQLFreeHandle");
    resolve(freeEnv, "SQLFreeEnv");
    resolve(freeConnect, "SQLFreeConnect");
    resolve(freeStmt, "SQLFreeStmt");
    resolve(connect, "SQLConnect");
    resolve(driverConnect, "SQLDriverConnect");
    resolve(disconnect, "SQLDisconnect");
    resolve(execDirect, "SQLExecDirect");
    resolve(prepare, "SQLPrepare");
    resolve(execute, "SQLExecute");
    resolve(numResultCols, "SQLNumResultCols");
    resolve(describeCol, "SQLDescribeCol");
    resolve(colAttribute, "SQLColAttribute");
    resolve(colAttributes, "SQLColAttributes");
    resolve(fetch, "SQLFetch");
    resolve(getData, "SQLGetData");
    resolve(rowCount, "SQLRowCount");
    resolve(closeCursor, "SQLCloseCursor");
    resolve(moreResults, "SQLMoreResults");
    resolve(cancel, "SQLCancel");
    resolve(tables, "SQLTables");
    resolve(columns, "SQLColumns");
    resolve(getInfo, "SQLGetInfo");
    resolve(getFunctions, "SQLGetFunctions");
    resolve(setEnvAttr, "SQLSetEnvAttr");
    resolve(getEnvAttr, "SQLGetEnvAttr");
    resolve(setConnectAttr, "SQLSetConnectAttr");
    resolve(getConnectAttr, "SQLGetConnectAttr");
    resolve(setStmtAttr, "SQLSetStmtAttr");
    resolve(getStmtAttr, "SQLGetStmtAttr");
    resolve(getDiagRec, "SQLGetDiagRec");
    resolve(getDiagField, "SQLGetDiagField");
    resolve(error, "SQLError");
    resolve(endTran, "SQLEndTran");
    resolve(transact, "SQLTransact");
}

template <typename Function> void SqliteDriver::resolve(Entry<Function>& entry, const char* name) {
    void* const symbol = library != nullptr ? dlsym(library, name) : nullptr;
    entry = symbol != nullptr ? reinterpret_cast<Entry<Function>>(symbol)
                              : &Unavailable<Function>::call;
}
