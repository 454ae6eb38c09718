// The size of a stored composition before it is loaded.
#include "app/model/CompositionMeasure.h"

#include "app/model/ScopedStatement.h"
#include "app/model/StatementValue.h"
#include "sql/ResultSet.h"

#include <algorithm>

CompositionMeasure::CompositionMeasure(Connection* connection) : connection(connection) {
}

bool CompositionMeasure::menuFits(int menuId) {
    long occurrences = 0;
    for (const int id : childIds("Mengen", menuId)) {
        occurrences += measure(id, 1).occurrences;
        if (exceeds(occurrences, 1)) {
            return false;
        }
    }
    return true;
}

bool CompositionMeasure::occurrenceFits(int ingredientId, int depth) {
    measure(ingredientId, depth);
    return !exceeded;
}

CompositionMeasure::Size CompositionMeasure::measure(int ingredientId, int depth) {
    if (exceeds(0, depth) || std::find(path.begin(), path.end(), ingredientId) != path.end()) {
        return {0, 0};
    }
    const auto known = sizes.find(ingredientId);
    if (known != sizes.end()) {
        exceeds(known->second.occurrences, depth + known->second.height);
        return known->second;
    }
    path.push_back(ingredientId);
    const Size size = measureComponents(ingredientId, depth);
    path.pop_back();
    if (!exceeded) {
        sizes[ingredientId] = size;
    }
    return size;
}

CompositionMeasure::Size CompositionMeasure::measureComponents(int ingredientId, int depth) {
    Size size{1, 0};
    for (const int id : childIds("Anteile", ingredientId)) {
        const Size below = measure(id, depth + 1);
        size.occurrences += below.occurrences;
        size.height = std::max(size.height, below.height + 1);
        if (exceeds(size.occurrences, depth)) {
            break;
        }
    }
    return size;
}

std::vector<int> CompositionMeasure::childIds(const char* table, int parentId) const {
    std::vector<int> ids;
    ScopedStatement statement(connection);
    ResultSet* rows =
        statement.executeQuery(JovString("SELECT * FROM ") + table +
                               " WHERE Eltern = " + StatementValue::integer(parentId) + ";");
    while (rows != nullptr && rows->next()) {
        ids.push_back(rows->getInt("Kind"));
    }
    return ids;
}

bool CompositionMeasure::exceeds(long occurrences, int depth) {
    exceeded = exceeded || occurrences > maxOccurrences || depth > maxDepth;
    return exceeded;
}
