// The rows of one load of compositions, each read once.
#include "app/model/CompositionRows.h"

#include "app/model/Ingredient.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "app/model/StatementValue.h"
#include "sql/ResultSet.h"

namespace {

// The same orders as the look-ups' statements; within one parent the rows come as they would
// for that parent alone.
constexpr const char* allMenus = "SELECT * FROM Menues;";
constexpr const char* allIngredients = "SELECT * FROM Zutaten;";
constexpr const char* allShares = "SELECT * FROM Anteile ORDER BY Eltern, Anteil DESC;";
constexpr const char* allFillQuantities = "SELECT * FROM Mengen ORDER BY Eltern, Fuellmenge DESC;";

const CompositionRows::ShareRows noRows;

// A new item of the row; an ingredient without amount, flags or parent.
template <class Item> Item* itemOf(const ResultSet& row);

template <> Menu* itemOf<Menu>(const ResultSet& row) {
    return new Menu(row);
}

template <> Ingredient* itemOf<Ingredient>(const ResultSet& row) {
    return new Ingredient(row, 0.0, false, false, false, false, false, nullptr);
}

} // namespace

CompositionRows::CompositionRows(Connection* connection) : connection(connection), allRead(false) {
}

CompositionRows::~CompositionRows() = default;

const Menu* CompositionRows::menu(int id) {
    return lookUp(menus, id, "SELECT * FROM Menues WHERE ID = ", ";");
}

const Ingredient* CompositionRows::ingredient(int id) {
    // The composition loading's statement has always ended without a semicolon.
    return lookUp(ingredients, id, "SELECT * FROM Zutaten WHERE ID = ", "");
}

template <class Item>
const Item* CompositionRows::lookUp(std::unordered_map<int, JovReference<Item>>& items, int id,
                                    const char* select, const char* end) {
    const auto known = items.find(id);
    if (known != items.end()) {
        return known->second.get();
    }
    if (allRead) {
        return nullptr;
    }
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(select + StatementValue::integer(id) + end);
    JovReference<Item>& read = items[id];
    if (rows != nullptr && rows->next()) {
        read.reset(itemOf<Item>(*rows));
    }
    return read.get();
}

const CompositionRows::ShareRows& CompositionRows::shares(int ingredientId) {
    const auto known = shareRows.find(ingredientId);
    if (known != shareRows.end()) {
        return known->second;
    }
    if (allRead) {
        return noRows;
    }
    return shareRows[ingredientId] =
               read("SELECT * FROM Anteile WHERE Eltern = ", ingredientId, " ORDER BY Anteil DESC");
}

const CompositionRows::ShareRows& CompositionRows::fillQuantities(int menuId) {
    const auto known = fillRows.find(menuId);
    if (known != fillRows.end()) {
        return known->second;
    }
    if (allRead) {
        return noRows;
    }
    return fillRows[menuId] =
               read("SELECT * FROM Mengen WHERE Eltern = ", menuId, " ORDER BY Fuellmenge DESC");
}

void CompositionRows::readAll() {
    // Taken over only when every table was read: a refused statement leaves the look-ups asking
    // row by row, and an exception leaves them as they were.
    std::unordered_map<int, JovReference<Menu>> allMenuRows;
    std::unordered_map<int, JovReference<Ingredient>> allIngredientRows;
    std::unordered_map<int, ShareRows> allShareRows;
    std::unordered_map<int, ShareRows> allFillRows;
    if (!readAllItems(allMenus, allMenuRows) || !readAllItems(allIngredients, allIngredientRows) ||
        !readAllByParent(allShares, allShareRows) ||
        !readAllByParent(allFillQuantities, allFillRows)) {
        return;
    }
    menus = std::move(allMenuRows);
    ingredients = std::move(allIngredientRows);
    shareRows = std::move(allShareRows);
    fillRows = std::move(allFillRows);
    allRead = true;
}

template <class Item>
bool CompositionRows::readAllItems(const char* query,
                                   std::unordered_map<int, JovReference<Item>>& items) const {
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(query);
    int id = 0;
    while (rows != nullptr && rows->next()) {
        if (readId(*rows, "ID", id)) {
            items[id].reset(itemOf<Item>(*rows));
        }
    }
    return rows != nullptr;
}

bool CompositionRows::readAllByParent(const char* query,
                                      std::unordered_map<int, ShareRows>& byParent) const {
    ScopedStatement statement(connection);
    ResultSet* rows = statement.executeQuery(query);
    int parentId = 0;
    while (rows != nullptr && rows->next()) {
        if (readId(*rows, "Eltern", parentId)) {
            byParent[parentId].push_back(shareRow(*rows));
        }
    }
    return rows != nullptr;
}

bool CompositionRows::readId(const ResultSet& row, const char* column, int& id) {
    const JovString* text = row.getString(column);
    if (text == nullptr || text->length() == 0) {
        return false;
    }
    id = row.getInt(column);
    return true;
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
    int kind = 0;
    const bool hasKind = readId(row, "Kind", kind);
    return {hasKind,
            kind,
            row.getInt("Fuellmenge"),
            row.getDouble("Anteil"),
            row.getBoolean("mengeAngeben"),
            row.getBoolean("wertgebend"),
            row.getBoolean("mengeAufMenueBeziehen"),
            row.getBoolean("imTitel"),
            row.getBoolean("veraenderlicheAnteile")};
}
