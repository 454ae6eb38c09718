// Whoever holds the current database connection (the main window): the connection is replaced
// around the backup copy, so users ask for it each time instead of keeping it.
#pragma once

class Connection;

class ConnectionOwner {
public:
    virtual ~ConnectionOwner() = default;
    virtual Connection* getConnection() const = 0;
};
