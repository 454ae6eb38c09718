// The data sources that scripts/odbc-register.sh registers, opened by name as the program does.
#include "AdapterDatabaseTest.h"
#include "OdbcSession.h"
#include "OdbcStatement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string contents(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

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

TEST(DataSourceRegistrationTest, RegistrationNamesTheAdapterAndDatabasesByAbsolutePath) {
    const std::string drivers =
        contents(AdapterDatabaseTest::projectFile("build/odbc/odbcinst.ini"));
    EXPECT_NE(drivers.find("Driver=" + AdapterDatabaseTest::projectFile(
                                           "build/native/odbcdriver/libmealsodbc.so")),
              std::string::npos);
    const std::string sources = contents(AdapterDatabaseTest::projectFile("build/odbc/odbc.ini"));
    for (const char* database :
         {"data/meals.mdb", "build/testdb/meals-test.mdb", "build/testdb/noversion.mdb"}) {
        EXPECT_NE(sources.find("Database=" + AdapterDatabaseTest::projectFile(database)),
                  std::string::npos)
            << database;
    }
}

TEST(DataSourceRegistrationTest, RegisteringAgainWritesTheSameFiles) {
    const std::string sourcesPath = AdapterDatabaseTest::projectFile("build/odbc/odbc.ini");
    const std::string driversPath = AdapterDatabaseTest::projectFile("build/odbc/odbcinst.ini");
    const std::string sources = contents(sourcesPath);
    const std::string drivers = contents(driversPath);
    const std::string command =
        "bash '" + AdapterDatabaseTest::projectFile("scripts/odbc-register.sh") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(contents(sourcesPath), sources);
    EXPECT_EQ(contents(driversPath), drivers);
}
