// The backup copy against the real ODBC chain: a byte-for-byte copy of the closed database file,
// the connection to use afterwards, and the one line each failure leaves on standard output.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "app/model/MealsDatabase.h"
#include "io/JovFile.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"
#include "sql/Statement.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

constexpr const char* testDataSource = "meals_test";
constexpr const char* missingDataSource = "no_such_source";
// The file behind testDataSource in this build tree.
constexpr const char* testDatabaseFile = TEST_DATABASE_FILE;

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool versionQueryAnswers(Connection* connection) {
    Statement* statement = connection->createStatement();
    ResultSet* rows = statement->executeQuery("SELECT * FROM Version;");
    const bool answered = rows != nullptr && rows->next();
    statement->close();
    return answered;
}

Connection* connectToTestDatabase() {
    return DriverManager::getConnection(testDataSource, JovString(), JovString());
}

} // namespace

// A successful refresh leaves a new connection in the driver manager until process end, so these
// cases stand outside the live-object check.
class MealsDatabaseBackupTest : public ::testing::Test {
protected:
    JovString path(const char* name) const { return folder.file(name).c_str(); }

    TempFolder folder;
};

TEST_F(MealsDatabaseBackupTest, CopyIsByteIdenticalAndTheNewConnectionWorks) {
    // Longer than the database, so a copy that does not truncate would show.
    folder.write("backup.mdb", std::string(bytesOf(testDatabaseFile).size() + 5000, 'x'));
    Connection* current = connectToTestDatabase();

    testing::internal::CaptureStdout();
    Connection* next =
        MealsDatabase::refreshBackup(current, testDataSource, testDatabaseFile, path("backup.mdb"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    const std::string database = bytesOf(testDatabaseFile);
    ASSERT_GT(database.size(), 1024u) << "the copy must take more than one block";
    EXPECT_TRUE(folder.read("backup.mdb") == database) << "the backup differs from the database";
    ASSERT_NE(next, current);
    EXPECT_TRUE(versionQueryAnswers(next));
    EXPECT_FALSE(versionQueryAnswers(current)) << "the old connection was disconnected";
    next->disconnect();
}

TEST_F(MealsDatabaseBackupTest, MissingDatabaseFileLeavesTheBackupUntouchedAndReconnects) {
    folder.write("backup.mdb", "Sicherung von gestern");
    const JovString missing = path("fehlt.mdb");
    Connection* current = connectToTestDatabase();

    testing::internal::CaptureStdout();
    Connection* next =
        MealsDatabase::refreshBackup(current, testDataSource, missing, path("backup.mdb"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("JovFileNotFoundException: ") +
                                                          JovFile(missing).getPath().chars() +
                                                          "\r\n");

    EXPECT_EQ(folder.read("backup.mdb"), "Sicherung von gestern");
    ASSERT_NE(next, current);
    EXPECT_TRUE(versionQueryAnswers(next));
    next->disconnect();
}

// The connection is opened before the live-object count starts, so every object the copy makes
// must be gone again when the test ends.
class MealsDatabaseFailedReconnectTest : public LiveObjectTest {
protected:
    static void SetUpTestSuite() { current = connectToTestDatabase(); }

    JovString path(const char* name) const { return folder.file(name).c_str(); }

    static Connection* current;
    TempFolder folder;
};

Connection* MealsDatabaseFailedReconnectTest::current = nullptr;

TEST_F(MealsDatabaseFailedReconnectTest, OldConnectionIsKeptAfterTheCopy) {
    testing::internal::CaptureStdout();
    Connection* next = MealsDatabase::refreshBackup(current, missingDataSource, testDatabaseFile,
                                                    path("backup.mdb"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "JovFileNotFoundException: \r\n");

    EXPECT_EQ(next, current);
    EXPECT_TRUE(folder.read("backup.mdb") == bytesOf(testDatabaseFile));
}

TEST_F(MealsDatabaseFailedReconnectTest, EachFailureWritesItsOwnLine) {
    const JovString missing = path("fehlt.mdb");
    testing::internal::CaptureStdout();
    Connection* next =
        MealsDatabase::refreshBackup(current, missingDataSource, missing, path("backup.mdb"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("JovFileNotFoundException: ") +
                                                          JovFile(missing).getPath().chars() +
                                                          "\r\nJovFileNotFoundException: \r\n");

    EXPECT_EQ(next, current);
    EXPECT_FALSE(JovFile(path("backup.mdb")).exists());
}
