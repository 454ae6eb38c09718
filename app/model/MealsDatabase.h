// Opening the program's database: the start-up check, the version stamp and the closing.
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

    // Connects, checks that the data source holds a database of this system and stamps the
    // program version into it. Throws JovFileNotFoundException with notFoundMessage when the data
    // source cannot be opened and JovException with invalidFormatMessage when it has no
    // Version table.
    static Connection* open(const JovString& dataSource = dataSourceName);

private:
    static Connection* connect(const JovString& dataSource);
    static void checkFormat(Connection* connection);
    static void stampVersion(Connection* connection);
};
