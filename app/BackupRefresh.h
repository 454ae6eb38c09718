// Refreshing the backup copy when setup mode is left: the database is closed for the copy and
// opened again, and the user hears of every failure.
#pragma once

#include "app/model/MealsDatabase.h"
#include "lang/JovString.h"

class Connection;

class BackupRefresh {
public:
    static constexpr const char* backupTitle = "Sicherungskopie...";
    static constexpr const char* reconnectTitle = "Datenbankverbindung...";
    static constexpr const char* deadConnectionTitle = "Programmende...";

    // Disconnects current, copies the database file over the backup and connects anew. A failed
    // copy is told in a box and the connection is still renewed. A failed reconnect is told and
    // tried once more; when that fails too, the dead end is told and null is answered, so the
    // caller ends in order instead of taking edits it cannot store.
    static Connection* run(Connection* current,
                           const JovString& dataSource = MealsDatabase::dataSourceName,
                           const JovString& databasePath = MealsDatabase::databaseFile,
                           const JovString& backupPath = MealsDatabase::backupFile);

private:
    static void copy(Connection* current, const JovString& databasePath,
                     const JovString& backupPath);
};
