// A run of updates that is stored whole or not at all.
#include "app/model/ScopedTransaction.h"

#include "lang/JovException.h"
#include "sql/Connection.h"

namespace {
constexpr const char* commitRefused = "Die Datenbank hat die Änderungen nicht übernommen.";
}

ScopedTransaction::ScopedTransaction(Connection* connection) : connection(connection) {
    connection->setAutoCommit(false);
}

ScopedTransaction::~ScopedTransaction() {
    if (!committed) {
        connection->rollback();
    }
    connection->setAutoCommit(true);
}

void ScopedTransaction::commit() {
    if (connection->commit() < 0) {
        throw JovException(commitRefused);
    }
    committed = true;
}
