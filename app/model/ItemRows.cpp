// Row helpers of the item classes.

#include "app/model/ItemRows.h"

#include "app/model/ScopedStatement.h"
#include "io/JovPrintWriter.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"

namespace {

bool isDecimalNumber(const JovString& text) {
    const int first = text.length() > 0 && text.charAt(0) == '-' ? 1 : 0;
    if (text.length() == first) {
        return false;
    }
    for (int i = first; i < text.length(); ++i) {
        if (text.charAt(i) < '0' || text.charAt(i) > '9') {
            return false;
        }
    }
    return true;
}

void report(const JovException& exception) {
    JovPrintWriter::standardOutput().println(exception.longText());
}

} // namespace

JovString ItemRows::text(const ResultSet& row, const char* column) {
    const JovString* value = row.getString(column);
    return value != nullptr ? *value : JovString();
}

void ItemRows::updateGuarded(Connection* connection, std::initializer_list<JovString> updates) {
    try {
        for (const JovString& sql : updates) {
            ScopedStatement::update(connection, sql);
        }
    } catch (const JovException& exception) {
        report(exception);
    }
}

bool ItemRows::exists(Connection* connection, const char* selectById, const JovString& idText) {
    if (!isDecimalNumber(idText)) {
        return false;
    }
    try {
        ScopedStatement statement(connection);
        ResultSet* rows = statement.executeQuery(selectById + idText + ";");
        return rows != nullptr && rows->next();
    } catch (const JovException& exception) {
        report(exception);
        return false;
    }
}
