// Diagnostic records the adapter raises itself, one per statement, until its next call.
#include "odbcdriver/AdapterDiagnostics.h"

#include "odbcdriver/CallerBuffer.h"

#include <cstring>

AdapterDiagnostics& AdapterDiagnostics::instance() {
    static AdapterDiagnostics diagnostics;
    return diagnostics;
}

SQLRETURN AdapterDiagnostics::raise(SQLHANDLE handle, const char* state, const char* message) {
    const std::lock_guard<std::mutex> guard(mutex);
    records[handle] = Record{state, message};
    return SQL_ERROR;
}

bool AdapterDiagnostics::find(SQLHANDLE handle, Record& record) {
    const std::lock_guard<std::mutex> guard(mutex);
    const auto found = records.find(handle);
    if (found == records.end()) {
        return false;
    }
    record = found->second;
    return true;
}

void AdapterDiagnostics::clear(SQLHANDLE handle) {
    const std::lock_guard<std::mutex> guard(mutex);
    records.erase(handle);
}

SQLRETURN AdapterDiagnostics::fill(const Record& record, SQLCHAR* state, SQLINTEGER* nativeError,
                                   SQLCHAR* message, SQLSMALLINT capacity, SQLSMALLINT* length) {
    if (state != nullptr) {
        // Five characters and the terminator, as ODBC fixes it.
        std::memcpy(state, record.state.c_str(), record.state.size() + 1);
    }
    if (nativeError != nullptr) {
        *nativeError = 0;
    }
    std::size_t copied = 0;
    const SQLRETURN result = CallerBuffer::fill(record.message, message, capacity, copied);
    CallerBuffer::storeLength(length, record.message.size());
    return result;
}
