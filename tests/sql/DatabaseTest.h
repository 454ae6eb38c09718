// Fixture for tests against the real ODBC chain: one shared connection to the empty test database,
// whose tables are emptied before every test.
#pragma once

#include "LiveObjectTest.h"
#include "lang/JovString.h"

class Connection;
class ResultSet;
class Statement;

// A query on its own statement, closed when the scope ends.
class Query {
public:
    Query(Connection* connection, const JovString& sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    ResultSet* result; // null when the query failed
    int countRows();

private:
    Statement* statement;
};

class DatabaseTest : public LiveObjectTest {
public:
    static constexpr const char* testDataSource = "meals_test";

protected:
    static void SetUpTestSuite();
    void SetUp() override;

    static Connection* connection;

    // Empties the item tables, as before every test.
    static void clearTables();

    // Runs an update on a fresh statement and returns the driver's code.
    static short execute(const JovString& sql);
    // Rows a query yields, or -1 when it yields no result.
    static int rowCount(const JovString& sql);
};
