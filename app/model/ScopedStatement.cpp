// Statement lifetime bound to a scope.

#include "app/model/ScopedStatement.h"

#include "sql/Connection.h"
#include "sql/Statement.h"

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

short ScopedStatement::update(Connection* connection, const JovString& sql) {
    return ScopedStatement(connection).executeUpdate(sql);
}
