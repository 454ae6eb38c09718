// Fixture for tests through the whole chain (unixODBC, the registered adapter, the SQLite
// driver): a database file made by the project's script in a fresh temporary folder.
#pragma once

#include "OdbcSession.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

class AdapterDatabaseTest : public ::testing::Test {
public:
    // Runs scripts/create-database.sh and returns its exit status.
    static int createDatabase(const std::string& path, const std::string& options = "");

protected:
    void SetUp() override;

    TempFolder folder;
    std::string databasePath = folder.file("meals.mdb");
    OdbcSession session;
};
