// The start-up check of the program's database: any version accepted and stamped, a foreign
// format refused without being changed. What the user is told is checked by the start-up tests.
#include "app/model/MealsDatabase.h"
#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/ResultSet.h"
#include "sql/Statement.h"

#include <gtest/gtest.h>

namespace {
int storedVersion(Connection* connection) {
    Statement* statement = connection->createStatement();
    ResultSet* rows = statement->executeQuery("SELECT * FROM Version;");
    const int version = rows && rows->next() ? rows->getInt("Version") : -1;
    statement->close();
    return version;
}

void setVersion(Connection* connection, int version) {
    Statement* statement = connection->createStatement();
    statement->executeUpdate(JovString("UPDATE Version SET Version = ") +
                             JovString::valueOf(version) + ";");
    statement->close();
}
} // namespace

// Every open adds a connection that lives in the driver manager until process end, so these
// cases stand outside the live-object check.
TEST(MealsDatabaseTest, AnyStoredVersionIsAcceptedAndStamped) {
    for (int foundVersion : {42, 99999}) {
        Connection* first = MealsDatabase::open("meals_test");
        setVersion(first, foundVersion);
        first->disconnect();

        Connection* reopened = MealsDatabase::open("meals_test");
        MealsDatabase::stampVersion(reopened);
        EXPECT_EQ(storedVersion(reopened), MealsDatabase::programVersion);
        reopened->disconnect();
    }
}

TEST(MealsDatabaseTest, DatabaseWithoutVersionTableHasAnInvalidFormat) {
    try {
        MealsDatabase::open("meals_noversion");
        FAIL() << "a database without a Version table must be refused";
    } catch (const JovFileNotFoundException&) {
        FAIL() << "the data source exists; only its format is wrong";
    } catch (const JovException& e) {
        EXPECT_STREQ(e.getMessage().chars(), "Ungueltiges Datenbankformat.");
    }
    // The check must not create the table it looks for.
    Connection* plain = DriverManager::getConnection("meals_noversion", JovString(), JovString());
    EXPECT_EQ(storedVersion(plain), -1);
    plain->disconnect();
}
