// One statement text executed on a connection; owns the result sets it produced until closed.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class Connection;
class ResultSet;

class Statement : public JovObject {
public:
    Statement(Connection* connection, void* connectionHandle);
    ~Statement() override;

    // Null unless the driver answered with plain success.
    ResultSet* executeQuery(const JovString& sql);
    short executeUpdate(const JovString& sql);
    // The driver's message on the last failure of this statement ("[state] text"), or empty.
    JovString getDiagnostic() const;
    // Releases the result sets and the statement itself: every pointer to them is dead afterwards.
    void close();

    short getColumnCount() const { return columnCount; }
    void* getHandle() const { return handle; }

    JovString toString() const override;

private:
    Connection* connection;
    void* handle = nullptr;
    JovVector resultSets;
    short columnCount = 0;
};
