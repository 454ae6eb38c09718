// Diagnostic records the adapter raises itself (where the SQLite driver would hand out a wrong
// value instead of an error), one per statement, until the statement's next call.
#pragma once

#include <sql.h>

#include <mutex>
#include <string>
#include <unordered_map>

class AdapterDiagnostics {
public:
    struct Record {
        std::string state;
        std::string message;
    };

    static AdapterDiagnostics& instance();

    // Records the failure and answers SQL_ERROR, so a caller can return it directly.
    SQLRETURN raise(SQLHANDLE handle, const char* state, const char* message);
    // The adapter's record for the handle, if it raised one since the handle's last call.
    bool find(SQLHANDLE handle, Record& record);
    void clear(SQLHANDLE handle);

    // Fills the ODBC diagnostic fields from a record, as SQLGetDiagRec and SQLError do.
    static SQLRETURN fill(const Record& record, SQLCHAR* state, SQLINTEGER* nativeError,
                          SQLCHAR* message, SQLSMALLINT capacity, SQLSMALLINT* length);

private:
    AdapterDiagnostics() = default;

    std::mutex mutex;
    std::unordered_map<SQLHANDLE, Record> records;
};
