// The rows of one load of compositions, each read once.
#include "app/model/CompositionRows.h"

#include "app/model/Ingredient.h"
#include "app/model/ScopedStatement.h"
#include "app/model/StatementValue.h"
#include "sql/ResultSet.h"

CompositionRows::CompositionRows(Connection* connection) : connection(connection) {
}

CompositionRows::~CompositionRows() = default;

const Ingredient* CompositionRows::ingredient(int id) {
    const auto known = ingredients.find(id);
    if (known != ingredients.end()) {
        return known->second.get();
    }
    ScopedStatement statement(connection);
    ResultSet* rows =
        statement.executeQuery("SELECT * FROM Zutaten WHERE ID = " + StatementValue::integer(id));
    JovReference<Ingredient>& read = ingredients[id];
    if (rows != nullptr && rows->next()) {
        read.reset(new Ingredient(*rows, 0.0, false, false, false, false, false, nullptr));
    }
    return read.get();
}

const CompositionRows::ShareRows& CompositionRows::shares(int ingredientId) {
    const auto known = shareRows.find(ingredientId);
    if (known != shareRows.end()) {
        return known->second;
    }
    return shareRows[ingredientId] =
               read("SELECT * FROM Anteile WHERE Eltern = ", ingredientId, " ORDER BY Anteil DESC");
}

const CompositionRows::ShareRows& CompositionRows::fillQuantities(int menuId) {
    const auto known = fillRows.find(menuId);
    if (known != fillRows.end()) {
        return known->second;
    }
    return fillRows[menuId] =
               read("SELECT * FROM Mengen WHERE Eltern = ", menuId, " ORDER BY Fuellmenge DESC");
}

CompositionRows::ShareRows CompositionRows::read(const char* select, int parentId,
                                                 const char* order) const {
    ShareRows read;
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(select + StatementValue::integer(parentId) + order);
    while (rows != nullptr && rows->next()) {
        read.push_back(shareRow(*rows));
    }
    return read;
}

CompositionRows::ShareRow CompositionRows::shareRow(const ResultSet& row) {
    // A Kind the 32-bit article number cannot hold arrives as no value, never as another ID.
    const JovString* kind = row.getString("Kind");
    return {kind != nullptr && kind->length() > 0,
            row.getInt("Kind"),
            row.getInt("Fuellmenge"),
            row.getDouble("Anteil"),
            row.getBoolean("mengeAngeben"),
            row.getBoolean("wertgebend"),
            row.getBoolean("mengeAufMenueBeziehen"),
            row.getBoolean("imTitel"),
            row.getBoolean("veraenderlicheAnteile")};
}
