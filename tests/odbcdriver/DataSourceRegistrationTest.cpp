// The data sources that scripts/odbc-register.sh registers, opened by name as the program does.
#include "AdapterDatabaseTest.h"
#include "OdbcSession.h"
#include "OdbcStatement.h"

#include <gtest/gtest.h>

TEST(DataSourceRegistrationTest, TestDataSourceOpensADatabaseWithVersionRow) {
    OdbcSession session;
    ASSERT_TRUE(SQL_SUCCEEDED(session.connectDataSource("meals_test")));
    OdbcStatement statement(session);
    ASSERT_EQ(statement.execute("SELECT * FROM Version;"), SQL_SUCCESS);
    EXPECT_TRUE(statement.fetch());
}

TEST(DataSourceRegistrationTest, NoVersionDataSourceLacksOnlyTheVersionTable) {
    OdbcSession session;
    ASSERT_TRUE(SQL_SUCCEEDED(session.connectDataSource("meals_noversion")));
    EXPECT_EQ(session.execute("SELECT * FROM Version;"), SQL_ERROR);
    EXPECT_EQ(session.execute("SELECT * FROM Zutaten;"), SQL_SUCCESS);
}

TEST(DataSourceRegistrationTest, UnknownDataSourceIsRefused) {
    OdbcSession session;
    EXPECT_EQ(session.connectDataSource("meals_unknown"), SQL_ERROR);
}
