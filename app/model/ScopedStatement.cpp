// Statement lifetime bound to a scope.

#include "app/model/ScopedStatement.h"

#include "lang/JovException.h"
#include "sql/Connection.h"
#include "sql/Statement.h"

namespace {
// For a driver that refuses without saying why.
constexpr const char* refusedText = "Die Datenbank hat die Anweisung abgelehnt.";
} // namespace

ScopedStatement::ScopedStatement(Connection* connection)
    : statement(connection->createStatement()) {
}

ScopedStatement::~ScopedStatement() {
    statement->close();
}

ResultSet* ScopedStatement::executeQuery(const JovString& sql) {
    return statement->executeQuery(sql);
}

short ScopedStatement::executeUpdate(const JovString& sql) {
    return statement->executeUpdate(sql);
}

void ScopedStatement::update(Connection* connection, const JovString& sql) {
    ScopedStatement statement(connection);
    if (statement.executeUpdate(sql) < 0) {
        const JovString diagnostic = statement.statement->getDiagnostic();
        throw JovException(diagnostic.length() > 0 ? diagnostic : JovString(refusedText));
    }
}
