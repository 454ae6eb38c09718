// The database step of start-up: opens and stamps the program's database and tells the user
// when that fails.
#pragma once

#include "lang/JovString.h"

class Connection;

class DatabaseStartup {
public:
    // Returns the open connection. On failure shows the "Datenbankfehler..." box and rethrows the
    // JovException of MealsDatabase::open, so the caller ends start-up.
    static Connection* open(const JovString& dataSource);
    // Stamps the program version. A refusal (a read-only or locked database) is told in a
    // "Datenbankfehler..." box with the driver's text and answered false; the program goes on.
    static bool stamp(Connection* connection);
};
