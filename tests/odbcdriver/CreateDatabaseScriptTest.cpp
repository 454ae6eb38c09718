// scripts/create-database.sh: a database from the schema, with or without the Version table,
// and never over an existing file. The sample data is checked by the sample data tests.
#include "AdapterDatabaseTest.h"
#include "OdbcStatement.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
constexpr int usageError = 2;
constexpr int programVersion = 11006;
} // namespace

class CreateDatabaseScriptTest : public ::testing::Test {
protected:
    // Opens a created file and answers the first value of a query, or -1 when it fails.
    static int firstValue(const std::string& path, const std::string& query) {
        OdbcSession session;
        EXPECT_EQ(session.connectFile(path), SQL_SUCCESS);
        OdbcStatement statement(session);
        if (statement.execute(query) != SQL_SUCCESS || !statement.fetch()) {
            return -1;
        }
        return statement.integer(1);
    }

    TempFolder folder;
    std::string target = folder.file("data/meals.mdb");
};

TEST_F(CreateDatabaseScriptTest, CreatesEmptyTablesWithTheVersionRowUnlessToldOtherwise) {
    ASSERT_EQ(AdapterDatabaseTest::createDatabase(target), 0);
    EXPECT_EQ(firstValue(target, "SELECT count(*) FROM Zutaten"), 0);
    EXPECT_EQ(firstValue(target, "SELECT count(*) FROM Menues"), 0);
    EXPECT_EQ(firstValue(target, "SELECT Version FROM Version"), programVersion);
    EXPECT_EQ(firstValue(target, "SELECT count(*) FROM Version"), 1);

    const std::string withoutVersion = folder.file("noversion.mdb");
    ASSERT_EQ(AdapterDatabaseTest::createDatabase(withoutVersion, "--no-version"), 0);
    EXPECT_EQ(firstValue(withoutVersion, "SELECT count(*) FROM Version"), -1);
    EXPECT_EQ(firstValue(withoutVersion, "SELECT count(*) FROM Zutaten"), 0);
}

TEST_F(CreateDatabaseScriptTest, LeavesAnExistingFileUntouched) {
    std::filesystem::create_directories(folder.path() / "data");
    folder.write("data/meals.mdb", "the administrator's database");
    EXPECT_EQ(AdapterDatabaseTest::createDatabase(target, "--sample"), 0);
    EXPECT_EQ(folder.read("data/meals.mdb"), "the administrator's database");
}

TEST_F(CreateDatabaseScriptTest, UnknownOptionIsAUsageErrorAndCreatesNothing) {
    EXPECT_EQ(AdapterDatabaseTest::createDatabase(target, "--samples"), usageError);
    EXPECT_FALSE(std::filesystem::exists(target));
}
