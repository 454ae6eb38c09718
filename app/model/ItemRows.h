// What ingredients and menus share in reading and writing their rows: NULL texts, the updates
// of one write stored together, and the existence test of an ID.
#pragma once

#include "lang/JovString.h"

#include <initializer_list>

class Connection;
class ResultSet;

class ItemRows {
public:
    ItemRows() = delete;

    // The column's text; NULL and a missing column read as the empty text.
    static JovString text(const ResultSet& row, const char* column);
    // Runs the updates in order, each on a statement of its own, in one transaction. Throws
    // JovException with the driver's diagnostic when one is refused; none of them is stored then.
    static void write(Connection* connection, std::initializer_list<JovString> updates);
    // Whether selectById followed by the ID text and ";" yields a row. The text is written into
    // the statement as it is, so anything but a decimal number is refused without asking.
    static bool exists(Connection* connection, const char* selectById, const JovString& idText);
};
