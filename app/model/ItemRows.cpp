// Row helpers of the item classes.

#include "app/model/ItemRows.h"

#include "app/model/ExceptionReport.h"
#include "app/model/ScopedStatement.h"
#include "app/model/ScopedTransaction.h"
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

} // namespace

JovString ItemRows::text(const ResultSet& row, const char* column) {
    const JovString* value = row.getString(column);
    return value != nullptr ? *value : JovString();
}

void ItemRows::write(Connection* connection, std::initializer_list<JovString> updates) {
    ScopedTransaction transaction(connection);
    for (const JovString& sql : updates) {
        ScopedStatement::update(connection, sql);
    }
    transaction.commit();
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
        ExceptionReport::toStandardOutput(exception);
        return false;
    }
}
