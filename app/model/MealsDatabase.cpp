#include "app/model/MealsDatabase.h"

#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/Statement.h"

Connection* MealsDatabase::open(const JovString& dataSource) {
    Connection* connection = connect(dataSource);
    try {
        checkFormat(connection);
        stampVersion(connection);
    } catch (const JovException&) {
        throw JovException(invalidFormatMessage);
    }
    return connection;
}

Connection* MealsDatabase::connect(const JovString& dataSource) {
    try {
        return DriverManager::getConnection(dataSource, JovString(), JovString());
    } catch (const JovException&) {
        throw JovFileNotFoundException(notFoundMessage);
    }
}

void MealsDatabase::checkFormat(Connection* connection) {
    Statement* statement = connection->createStatement();
    const bool isMealsDatabase = statement->executeQuery("SELECT * FROM Version;") != nullptr;
    statement->close();
    if (!isMealsDatabase) {
        throw JovException(invalidFormatMessage);
    }
}

void MealsDatabase::stampVersion(Connection* connection) {
    Statement* statement = connection->createStatement();
    statement->executeUpdate(JovString("UPDATE Version SET Version = ") +
                             JovString::valueOf(programVersion) + ";");
    statement->close();
}
