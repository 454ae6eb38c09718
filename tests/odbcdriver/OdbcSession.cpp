// One connection through unixODBC for the adapter's tests: to a database file through the
// registered adapter.
#include "OdbcSession.h"

#include "OdbcStatement.h"

OdbcSession::OdbcSession() {
    SQLAllocEnv(&environment);
    SQLAllocConnect(environment, &connection);
}

OdbcSession::~OdbcSession() {
    if (connected) {
        SQLDisconnect(connection);
    }
    SQLFreeConnect(connection);
    SQLFreeEnv(environment);
}

// NoCreat as in the registered data sources: a missing file is an error, not a new database.
SQLRETURN OdbcSession::connectFile(const std::string& databasePath) {
    std::string text = "DRIVER=MealsAdapter;Database=" + databasePath + ";NoCreat=1;";
    const SQLRETURN result =
        SQLDriverConnect(connection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                         nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    connected = SQL_SUCCEEDED(result);
    return result;
}

SQLRETURN OdbcSession::execute(const std::string& text) const {
    OdbcStatement statement(*this);
    return statement.execute(text);
}
