// One connection through unixODBC for the adapter's tests: to a database file through the
// registered adapter.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

class OdbcSession {
public:
    OdbcSession();
    ~OdbcSession();
    OdbcSession(const OdbcSession&) = delete;
    OdbcSession& operator=(const OdbcSession&) = delete;

    SQLRETURN connectFile(const std::string& databasePath);

    // Runs a statement on a statement handle of its own, freed right after.
    SQLRETURN execute(const std::string& text) const;

    SQLHDBC handle() const { return connection; }

private:
    SQLHENV environment = SQL_NULL_HENV;
    SQLHDBC connection = SQL_NULL_HDBC;
    bool connected = false;
};
