// The backup copy against the real ODBC chain: a byte-for-byte copy of the closed database file.
// Failed copies are checked by the backup refresh tests.
#include "TempFolder.h"

#include "app/model/MealsDatabase.h"
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

// Each case leaves a connection in the driver manager until process end, so these cases stand
// outside the live-object check.
class MealsDatabaseBackupTest : public ::testing::Test {
protected:
    JovString path(const char* name) const { return folder.file(name).c_str(); }

    TempFolder folder;
};

TEST_F(MealsDatabaseBackupTest, CopyIsByteIdenticalAndClosesTheConnection) {
    // Longer than the database, so a copy that does not truncate would show.
    folder.write("backup.mdb", std::string(bytesOf(testDatabaseFile).size() + 5000, 'x'));
    Connection* current = connectToTestDatabase();

    MealsDatabase::copyToBackup(current, testDatabaseFile, path("backup.mdb"));

    const std::string database = bytesOf(testDatabaseFile);
    ASSERT_GT(database.size(), 1024u) << "the copy must take more than one block";
    EXPECT_TRUE(folder.read("backup.mdb") == database) << "the backup differs from the database";
    EXPECT_FALSE(versionQueryAnswers(current)) << "the connection was disconnected";
}
