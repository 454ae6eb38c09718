// One ODBC connection to a data source, with the statements created on it and not yet closed.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class Statement;

class Connection : public JovObject {
public:
    // Allocates and connects; throws JovFileNotFoundException (empty message) on failure.
    Connection(void* environment, const JovString& dataSource, const JovString& user,
               const JovString& password);
    ~Connection() override;

    Statement* createStatement();
    // The handle stays allocated; reconnecting takes a new Connection.
    short disconnect();
    // With auto-commit off, updates wait for commit or rollback. Each answers the ODBC code.
    short setAutoCommit(bool on);
    short commit();
    short rollback();
    int statementCount() const { return statements.size(); }

    JovString toString() const override;

private:
    friend class Statement;
    void removeStatement(Statement* statement);

    void* handle = nullptr;
    JovVector statements;
};
