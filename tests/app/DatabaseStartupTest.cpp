// The start-up's database step as the user sees it: the "Datenbankfehler..." boxes.
#include "app/DatabaseStartup.h"
#include "LiveObjectTest.h"
#include "MessageBoxAnswerer.h"
#include "app/model/MealsDatabase.h"
#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/Statement.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(DatabaseStartupTest, MissingDataSourceTellsTheUserAndEndsStartUp) {
    MessageBoxAnswerer user("Datenbankfehler...", IDOK);
    EXPECT_THROW(DatabaseStartup::open("no_such_source"), JovFileNotFoundException);
    ASSERT_TRUE(user.answered());
    EXPECT_EQ(user.text(), "Die Datenbank 'meals' wurde nicht gefunden.\n"
                           "Bitte überprüfen Sie die ODBC-Einstellungen.");
}

TEST(DatabaseStartupTest, ForeignDatabaseTellsTheUserAboutItsFormat) {
    MessageBoxAnswerer user("Datenbankfehler...", IDOK);
    try {
        DatabaseStartup::open("meals_noversion");
        FAIL() << "a database without a Version table must end start-up";
    } catch (const JovException& e) {
        EXPECT_STREQ(e.getMessage().chars(), MealsDatabase::invalidFormatMessage);
    }
    ASSERT_TRUE(user.answered());
    EXPECT_EQ(user.text(), "Die Datenbank 'meals' hat ein ungültiges Format.\n"
                           "Bitte überprüfen Sie die ODBC-Einstellungen.");
}

TEST(DatabaseStartupTest, RefusedVersionStampIsToldAndTheDatabaseStaysOpen) {
    Connection* connection = DatabaseStartup::open("meals_test");
    Statement* statement = connection->createStatement();
    ASSERT_GE(statement->executeUpdate("PRAGMA query_only = ON;"), 0);
    statement->close();
    MessageBoxAnswerer user("Datenbankfehler...", IDOK);
    EXPECT_FALSE(DatabaseStartup::stamp(connection));
    ASSERT_TRUE(user.answered());
    EXPECT_EQ(user.text().rfind("Die Versionsnummer wurde nicht in der Datenbank 'meals' "
                                "gespeichert:\n[",
                                0),
              0u)
        << user.text();
    connection->disconnect();
}
