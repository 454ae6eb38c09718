#include "sql/DriverManager.h"

#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/Odbc.h"

#include <cstdlib>

namespace {
DriverManager* driverManager = nullptr;
}

DriverManager::DriverManager() {
    addRef();
    SQLAllocEnv(&environment);
}

DriverManager::~DriverManager() {
    // Connections free their handles before the environment goes.
    connections.removeAllElements();
    SQLFreeEnv(environment);
}

DriverManager& DriverManager::instance() {
    if (!driverManager) {
        driverManager = new DriverManager();
        std::atexit(destroyInstance);
    }
    return *driverManager;
}

void DriverManager::destroyInstance() {
    DriverManager* dying = driverManager;
    driverManager = nullptr;
    dying->release();
}

Connection* DriverManager::getConnection(const JovString& dataSource, const JovString& user,
                                         const JovString& password) {
    DriverManager& manager = instance();
    Connection* connection = new Connection(manager.environment, dataSource, user, password);
    manager.connections.addElement(connection);
    return connection;
}

int DriverManager::connectionCount() {
    return driverManager ? driverManager->connections.size() : 0;
}

JovString DriverManager::toString() const {
    return "ool.sql.DriverManager";
}
