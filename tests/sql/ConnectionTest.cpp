// Opening, disconnecting and reconnecting data sources, and the statement list of a connection.
#include "DatabaseTest.h"

#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"
#include "sql/Statement.h"

#include <gtest/gtest.h>

using ConnectionTest = DatabaseTest;

TEST_F(ConnectionTest, MissingDataSourceThrowsAndAddsNoConnection) {
    const int before = DriverManager::connectionCount();
    try {
        DriverManager::getConnection("no_such_source", JovString(), JovString());
        FAIL() << "a missing data source must throw";
    } catch (const JovFileNotFoundException& e) {
        EXPECT_EQ(e.getMessage().length(), 0);
    }
    EXPECT_EQ(DriverManager::connectionCount(), before);
}

TEST_F(ConnectionTest, CloseRemovesTheStatementFromItsConnection) {
    const int before = connection->statementCount();
    Statement* statement = connection->createStatement();
    EXPECT_EQ(connection->statementCount(), before + 1);
    ASSERT_NE(statement->executeQuery("SELECT * FROM Version;"), nullptr);
    statement->close();
    EXPECT_EQ(connection->statementCount(), before);
}

// Reconnecting makes new objects that live in the driver manager until process end, so this
// case stands outside the live-object check.
TEST(ReconnectTest, DisconnectKeepsTheOldConnectionListedButDead) {
    Connection* first = DriverManager::getConnection("meals_test", JovString(), JovString());
    const int before = DriverManager::connectionCount();
    first->disconnect();
    Connection* second = DriverManager::getConnection("meals_test", JovString(), JovString());
    EXPECT_EQ(DriverManager::connectionCount(), before + 1);

    Statement* dead = first->createStatement();
    EXPECT_EQ(dead->executeQuery("SELECT * FROM Version;"), nullptr);
    dead->close();

    Statement* alive = second->createStatement();
    ResultSet* rows = alive->executeQuery("SELECT * FROM Version;");
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(rows->next());
    alive->close();
    second->disconnect();
}
