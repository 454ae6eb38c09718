// The program's database: the start-up check, the version stamp and the backup copy.
#pragma once

#include "lang/JovString.h"

class Connection;

class MealsDatabase {
public:
    static constexpr const char* dataSourceName = "meals";
    // The version of program and database layout, 1.1.0_06 written as one number.
    static constexpr int programVersion = 11006;
    static constexpr const char* notFoundMessage = "Die Datenbank 'meals' wurde nicht gefunden.";
    static constexpr const char* invalidFormatMessage = "Ungueltiges Datenbankformat.";
    // The data source is expected to refer to databaseFile; nothing checks that.
    static constexpr const char* databaseFile = "data/meals.mdb";
    static constexpr const char* backupFile = "data/backup.mdb";

    // Connects and checks that the data source holds a database of this system. Throws
    // JovFileNotFoundException with notFoundMessage when the data source cannot be opened and
    // JovException with invalidFormatMessage when it has no Version table.
    static Connection* open(const JovString& dataSource = dataSourceName);
    // Stamps the program version into the database; a refusal throws JovException with the
    // driver's diagnostic.
    static void stampVersion(Connection* connection);

    // Disconnects current so that the database file is closed, then copies that file byte for
    // byte over the backup file. A failure throws JovException (JovFileNotFoundException when a
    // file cannot be opened); connecting anew is the caller's part.
    static void copyToBackup(Connection* current, const JovString& databasePath = databaseFile,
                             const JovString& backupPath = backupFile);

private:
    static Connection* connect(const JovString& dataSource);
    static void checkFormat(Connection* connection);
    static void copyFile(const JovString& sourcePath, const JovString& targetPath);
};
