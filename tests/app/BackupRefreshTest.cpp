// The backup refresh with real message boxes: an unwritable backup is told and the database stays
// usable; a vanished database file is told, retried and ends with no connection.
#include "app/BackupRefresh.h"
#include "MessageBoxAnswerer.h"
#include "TempFolder.h"

#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/Statement.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr const char* testDataSource = "meals_test";
constexpr const char* testDatabaseFile = TEST_DATABASE_FILE;

Connection* connectToTestDatabase() {
    return DriverManager::getConnection(testDataSource, JovString(), JovString());
}

} // namespace

// Each case leaves connections in the driver manager until process end.
class BackupRefreshTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(BackupRefreshTest, UnwritableBackupIsToldAndTheDatabaseIsOpenedAgain) {
    Connection* current = connectToTestDatabase();
    // A folder stands where the backup file would go, so the copy cannot create it.
    const std::string backup = folder.file("backup.mdb");
    std::filesystem::create_directory(backup);

    MessageBoxAnswerer user(BackupRefresh::backupTitle, IDOK);
    Connection* next =
        BackupRefresh::run(current, testDataSource, testDatabaseFile, backup.c_str());
    ASSERT_TRUE(user.answered());
    EXPECT_EQ(user.text().rfind("Die Sicherungskopie konnte nicht aktualisiert werden.\n", 0), 0u)
        << user.text();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, current);
    Statement* statement = next->createStatement();
    EXPECT_NE(statement->executeQuery("SELECT * FROM Version;"), nullptr);
    statement->close();
}

TEST_F(BackupRefreshTest, VanishedDatabaseIsToldTriedAgainAndEndsWithNoConnection) {
    Connection* current = connectToTestDatabase();
    const std::string aside = folder.file("meals-aside.mdb");
    folder.write("backup.mdb", "Sicherung von gestern");
    // The file goes away while the connection is closed for the copy.
    current->disconnect();
    std::filesystem::rename(testDatabaseFile, aside);

    MessageBoxAnswerer copyBox(BackupRefresh::backupTitle, IDOK);
    MessageBoxAnswerer retryBox(BackupRefresh::reconnectTitle, IDOK);
    MessageBoxAnswerer endBox(BackupRefresh::deadConnectionTitle, IDOK);
    Connection* next = BackupRefresh::run(current, testDataSource, testDatabaseFile,
                                          folder.file("backup.mdb").c_str());
    std::filesystem::rename(aside, testDatabaseFile);

    EXPECT_EQ(next, nullptr);
    ASSERT_TRUE(copyBox.answered() && retryBox.answered() && endBox.answered());
    EXPECT_NE(retryBox.text().find("weiterer Versuch"), std::string::npos) << retryBox.text();
    EXPECT_NE(endBox.text().find("Das Programm wird beendet"), std::string::npos) << endBox.text();
    EXPECT_EQ(folder.read("backup.mdb"), "Sicherung von gestern");
}
