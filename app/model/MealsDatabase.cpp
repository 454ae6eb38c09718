#include "app/model/MealsDatabase.h"

#include "io/JovBufferedReader.h"
#include "io/JovBufferedWriter.h"
#include "io/JovFileReader.h"
#include "io/JovFileWriter.h"
#include "io/JovPrintWriter.h"
#include "lang/JovFileNotFoundException.h"
#include "sql/Connection.h"
#include "sql/DriverManager.h"
#include "sql/Statement.h"

namespace {
constexpr int copyBlockSize = 1024;
}

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

Connection* MealsDatabase::refreshBackup(Connection* current, const JovString& dataSource,
                                         const JovString& databasePath,
                                         const JovString& backupPath) {
    try {
        if (current != nullptr) {
            current->disconnect();
        }
        copyFile(databasePath, backupPath);
    } catch (const JovException& failure) {
        report(failure);
    }
    try {
        return DriverManager::getConnection(dataSource, JovString(), JovString());
    } catch (const JovException& failure) {
        report(failure);
        return current;
    }
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

void MealsDatabase::report(const JovException& failure) {
    JovPrintWriter& out = JovPrintWriter::standardOutput();
    out.println(failure.longText());
    out.flush();
}
