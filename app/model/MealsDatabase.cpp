// The program's database: the start-up check, the version stamp and the backup copy.
#include "app/model/MealsDatabase.h"

#include "app/model/ScopedStatement.h"
#include "io/JovBufferedReader.h"
#include "io/JovBufferedWriter.h"
#include "io/JovFileReader.h"
#include "io/JovFileWriter.h"
#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"

namespace {
constexpr int copyBlockSize = 1024;
}

Connection* MealsDatabase::open(const JovString& dataSource) {
    Connection* connection = connect(dataSource);
    try {
        checkFormat(connection);
    } catch (const JovException&) {
        connection->disconnect();
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
    ScopedStatement statement(connection);
    if (statement.executeQuery("SELECT * FROM Version;") == nullptr) {
        throw JovException(invalidFormatMessage);
    }
}

void MealsDatabase::stampVersion(Connection* connection) {
    ScopedStatement::update(connection, JovString("UPDATE Version SET Version = ") +
                                            JovString::valueOf(programVersion) + ";");
}

void MealsDatabase::copyToBackup(Connection* current, const JovString& databasePath,
                                 const JovString& backupPath) {
    if (current != nullptr) {
        current->disconnect();
    }
    copyFile(databasePath, backupPath);
}

// The source is opened first, so a missing database leaves an existing backup untouched.
void MealsDatabase::copyFile(const JovString& sourcePath, const JovString& targetPath) {
    JovBufferedReader reader(new JovFileReader(sourcePath), copyBlockSize);
    JovBufferedWriter writer(new JovFileWriter(targetPath), copyBlockSize);
    char block[copyBlockSize];
    for (int count = reader.read(block, 0, copyBlockSize); count >= 1;
         count = reader.read(block, 0, copyBlockSize)) {
        writer.write(block, 0, count);
    }
    writer.flush();
    writer.close();
    reader.close();
}
