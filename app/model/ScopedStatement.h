// One statement on the current connection for the length of a scope: closed at the scope's end,
// also when an exception leaves it, so no statement outlives the operation that needed it.
#pragma once

#include "lang/JovString.h"

class Connection;
class ResultSet;
class Statement;

class ScopedStatement {
public:
    explicit ScopedStatement(Connection* connection);
    ~ScopedStatement();
    ScopedStatement(const ScopedStatement&) = delete;
    ScopedStatement& operator=(const ScopedStatement&) = delete;

    // Null when the query yields no result; the rows live until the scope ends.
    ResultSet* executeQuery(const JovString& sql);
    short executeUpdate(const JovString& sql);

    // Runs one update on a statement of its own. Throws JovException with the driver's
    // diagnostic when the driver refuses it.
    static void update(Connection* connection, const JovString& sql);

private:
    Statement* statement;
};
