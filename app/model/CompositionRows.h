// The rows one load of compositions reads: each ingredient's Zutaten row and Anteile rows, and a
// menu's Mengen rows, are asked for once and kept for the rest of the load, however often the
// ingredient occurs. A run over all menus reads the three tables whole instead.
#pragma once

#include "lang/JovReference.h"

#include <unordered_map>
#include <vector>

class Connection;
class Ingredient;
class Menu;
class ResultSet;

class CompositionRows {
public:
    // One row of Mengen or Anteile.
    struct ShareRow {
        // False when Kind is NULL or beyond a 32-bit article number.
        bool hasKind;
        int kind;
        int fillQuantity;
        double share;
        bool mengeAngeben;
        bool wertgebend;
        bool mengeAufMenueBeziehen;
        bool imTitel;
        bool veraenderlicheAnteile;
    };
    using ShareRows = std::vector<ShareRow>;

    explicit CompositionRows(Connection* connection);
    ~CompositionRows();
    CompositionRows(const CompositionRows&) = delete;
    CompositionRows& operator=(const CompositionRows&) = delete;

    // The menu as its Menues row reads, or null without a row.
    const Menu* menu(int id);
    // The ingredient as its Zutaten row reads (no amount, flags or parent), or null without a row.
    const Ingredient* ingredient(int id);
    // The composed ingredient's Anteile rows, the largest share first.
    const ShareRows& shares(int ingredientId);
    // The menu's Mengen rows, the largest fill quantity first.
    const ShareRows& fillQuantities(int menuId);
    // Reads every Menues, Zutaten, Anteile and Mengen row, one statement per table, in the order
    // the look-ups answer; afterwards no look-up asks the database, and an ID without rows has
    // none.
    void readAll();

private:
    ShareRows read(const char* select, int parentId, const char* order) const;
    // Every row of the query, by its Eltern in the query's order; rows whose Eltern no 32-bit
    // ID holds belong to no item. False when the query gave no result.
    bool readAllByParent(const char* query, std::unordered_map<int, ShareRows>& byParent) const;
    static ShareRow shareRow(const ResultSet& row);
    // The column's integer, or false when it is NULL or beyond a 32-bit number.
    static bool readId(const ResultSet& row, const char* column, int& id);

    // The item of the row select + ID + end yields, read once.
    template <class Item>
    const Item* lookUp(std::unordered_map<int, JovReference<Item>>& items, int id,
                       const char* select, const char* end);
    // Every row of the query as an item, by its ID. False when the query gave no result.
    template <class Item>
    bool readAllItems(const char* query, std::unordered_map<int, JovReference<Item>>& items) const;

    Connection* connection;
    // Null for an ID without a row.
    std::unordered_map<int, JovReference<Menu>> menus;
    std::unordered_map<int, JovReference<Ingredient>> ingredients;
    std::unordered_map<int, ShareRows> shareRows;
    std::unordered_map<int, ShareRows> fillRows;
    bool allRead;
};
