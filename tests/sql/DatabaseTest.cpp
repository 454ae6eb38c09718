#include "DatabaseTest.h"

#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"
#include "sql/Statement.h"

Query::Query(Connection* connection, const JovString& sql)
    : statement(connection->createStatement()) {
    result = statement->executeQuery(sql);
}

Query::~Query() {
    statement->close();
}

int Query::countRows() {
    int rows = 0;
    while (result && result->next()) {
        ++rows;
    }
    return result ? rows : -1;
}

Connection* DatabaseTest::connection = nullptr;

void DatabaseTest::SetUpTestSuite() {
    if (!connection) {
        connection = DriverManager::getConnection(testDataSource, JovString(), JovString());
    }
}

void DatabaseTest::SetUp() {
    clearTables();
    LiveObjectTest::SetUp();
}

void DatabaseTest::clearTables() {
    for (const char* table : {"Zutaten", "Menues", "Anteile", "Mengen"}) {
        execute(JovString("DELETE * FROM ") + table + ";");
    }
}

short DatabaseTest::execute(const JovString& sql) {
    Statement* statement = connection->createStatement();
    const short result = statement->executeUpdate(sql);
    statement->close();
    return result;
}

int DatabaseTest::rowCount(const JovString& sql) {
    return Query(connection, sql).countRows();
}
