// One statement handle of a test session, freed with the object, with the reading calls the
// adapter's tests repeat.
#include "OdbcStatement.h"

#include "OdbcSession.h"

namespace {
constexpr SQLLEN programBufferSize = 1024;
constexpr SQLSMALLINT stateSize = 6;
} // namespace

OdbcStatement::OdbcStatement(const OdbcSession& session) {
    SQLAllocStmt(session.handle(), &statement);
}

OdbcStatement::~OdbcStatement() {
    SQLFreeStmt(statement, SQL_DROP);
}

SQLRETURN OdbcStatement::execute(const std::string& text) {
    return SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str())),
                         SQL_NTS);
}

bool OdbcStatement::fetch() {
    return SQL_SUCCEEDED(SQLFetch(statement));
}

std::string OdbcStatement::text(SQLUSMALLINT column) {
    char buffer[programBufferSize] = {};
    SQLLEN length = 0;
    const SQLRETURN result =
        SQLGetData(statement, column, SQL_C_CHAR, buffer, programBufferSize, &length);
    if (!SQL_SUCCEEDED(result) || length < 0) {
        return {};
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

int OdbcStatement::integer(SQLUSMALLINT column) {
    SQLINTEGER value = 0;
    SQLLEN length = 0;
    SQLGetData(statement, column, SQL_C_SLONG, &value, sizeof value, &length);
    return value;
}

double OdbcStatement::number(SQLUSMALLINT column) {
    SQLDOUBLE value = 0;
    SQLLEN length = 0;
    SQLGetData(statement, column, SQL_C_DOUBLE, &value, sizeof value, &length);
    return value;
}

std::string OdbcStatement::message() {
    SQLCHAR state[stateSize] = {};
    SQLINTEGER nativeError = 0;
    SQLCHAR text[programBufferSize] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN result = SQLGetDiagRec(SQL_HANDLE_STMT, statement, 1, state, &nativeError, text,
                                           programBufferSize, &length);
    if (!SQL_SUCCEEDED(result)) {
        return {};
    }
    return std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
}
