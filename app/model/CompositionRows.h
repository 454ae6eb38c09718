// The rows one load of compositions reads: each ingredient's Zutaten row and Anteile rows, and a
// menu's Mengen rows, are asked for once and kept for the rest of the load, however often the
// ingredient occurs.
#pragma once

#include "lang/JovReference.h"

#include <unordered_map>
#include <vector>

class Connection;
class Ingredient;
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

    // The ingredient as its Zutaten row reads (no amount, flags or parent), or null without a row.
    const Ingredient* ingredient(int id);
    // The composed ingredient's Anteile rows, the largest share first.
    const ShareRows& shares(int ingredientId);
    // The menu's Mengen rows, the largest fill quantity first.
    const ShareRows& fillQuantities(int menuId);

private:
    ShareRows read(const char* select, int parentId, const char* order) const;
    static ShareRow shareRow(const ResultSet& row);

    Connection* connection;
    // Null for an ID without a row.
    std::unordered_map<int, JovReference<Ingredient>> ingredients;
    std::unordered_map<int, ShareRows> shareRows;
    std::unordered_map<int, ShareRows> fillRows;
};
