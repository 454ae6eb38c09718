// The database step of start-up: opens the program's database and tells the user when that fails.
#pragma once

#include "lang/JovString.h"

class Connection;

class DatabaseStartup {
public:
    // Returns the open connection. On failure shows the "Datenbankfehler..." box and rethrows the
    // JovException of MealsDatabase::open, so the caller ends start-up.
    static Connection* open(const JovString& dataSource);
};
