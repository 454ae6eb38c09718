// The rows of one query, one at a time, with values read by exact column name.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

class Statement;

class ResultSet : public JovObject {
public:
    // Reads the column names of the statement's current result.
    explicit ResultSet(Statement* statement);

    bool next();
    // The row's own value (shared, not a copy), or null when no column has that name.
    JovString* getString(const JovString& column) const;
    int getInt(const JovString& column) const;
    double getDouble(const JovString& column) const;
    bool getBoolean(const JovString& column) const;

    JovString toString() const override;

private:
    JovString* valueOf(const JovString& column) const;
    // Copies the value's leading bytes (clipped to its length) into target; false for NULL.
    bool copyValue(const JovString& column, void* target, int size) const;

    JovVector columnNames;
    JovVector currentRow;
    Statement* statement;
};
