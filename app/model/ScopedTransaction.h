// A run of updates that is stored whole or not at all: auto-commit is off for the scope, and
// whatever was not committed when the scope ends is rolled back.
#pragma once

class Connection;

class ScopedTransaction {
public:
    explicit ScopedTransaction(Connection* connection);
    ~ScopedTransaction();
    ScopedTransaction(const ScopedTransaction&) = delete;
    ScopedTransaction& operator=(const ScopedTransaction&) = delete;

    // Throws JovException with the driver's refusal when the commit fails; nothing is stored then.
    void commit();

private:
    Connection* connection;
    bool committed = false;
};
