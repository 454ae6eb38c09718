// The rows of one query, one at a time, with values read by exact column name.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

#include <vector>

class Statement;

class ResultSet : public JovObject {
public:
    // Reads the column names of the statement's current result.
    explicit ResultSet(Statement* statement);

    bool next();
    // The row's own value (shared, not a copy), or null when no column has that name.
    JovString* getString(const JovString& column) const;
    JovString* getString(const char* column) const;
    int getInt(const JovString& column) const;
    int getInt(const char* column) const;
    double getDouble(const JovString& column) const;
    double getDouble(const char* column) const;
    bool getBoolean(const JovString& column) const;
    bool getBoolean(const char* column) const;

    JovString toString() const override;

private:
    JovString* valueOf(const char* column, int length) const;

    // Plain lists: a row is read by one thread, and the lookups of an item's many columns would
    // otherwise take a lock for every column compared.
    std::vector<JovString> columnNames;
    mutable std::vector<JovString> currentRow;
    Statement* statement;
};
