// Fixture for tests through the whole chain (unixODBC, the registered adapter, the SQLite
// driver): a database file made by the project's script in a fresh temporary folder.
#include "AdapterDatabaseTest.h"

#include <sys/wait.h>

#include <cstdlib>

int AdapterDatabaseTest::createDatabase(const std::string& path, const std::string& options) {
    const std::string command = std::string("bash '") + PROJECT_ROOT +
                                "/scripts/create-database.sh' '" + path + "' " + options +
                                " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void AdapterDatabaseTest::SetUp() {
    ASSERT_EQ(createDatabase(databasePath), 0);
    ASSERT_EQ(session.connectFile(databasePath), SQL_SUCCESS)
        << "is the adapter registered? source scripts/env.sh and run scripts/odbc-register.sh";
}
