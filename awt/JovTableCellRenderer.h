// Lets the owner of a table decide how a cell looks: its text and, in the first column, a small
// picture in front of it.
#pragma once

class JovImage;
class JovObject;
class JovString;
class JovTable;

class JovTableCellRenderer {
public:
    virtual ~JovTableCellRenderer() = default;

    // value is the row's element for the column (may be null).
    virtual JovString getCellText(JovTable& table, JovObject* value, int row, int column) = 0;
    // Shown in the first column only; null for none. The table keeps a counted reference.
    virtual JovImage* getCellImage(JovTable& table, JovObject* value, int row, int column) = 0;
};
