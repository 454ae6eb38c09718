// Fixture for the item and composer tests: rows written straight into the empty test database,
// a composer on the shared test connection, and a record of the tree notifications it sends.
#pragma once

#include "DatabaseTest.h"
#include "app/model/ConnectionOwner.h"
#include "app/model/MealComposer.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelListener.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class AbstractMeal;
class Ingredient;

// A Zutaten row for the fixture; unset texts are NULL.
class IngredientRow {
public:
    enum TextColumn { salesNameColumn, dativePluralColumn, portionColumn, classColumn, textCount };

    IngredientRow(int id, const char* name) : id(id), name(name) {}
    IngredientRow& salesName(const char* text) { return setText(salesNameColumn, text); }
    IngredientRow& dativePlural(const char* text) { return setText(dativePluralColumn, text); }
    IngredientRow& portion(const char* code) { return setText(portionColumn, code); }
    IngredientRow& additiveClass(const char* name) { return setText(classColumn, name); }
    IngredientRow& female() { return setFlag(isFemale); }
    IngredientRow& plural() { return setFlag(isPlural); }
    IngredientRow& labelled() { return setFlag(isLabelled); }
    IngredientRow& declaredMeat(double share) {
        meatShare = share;
        return setFlag(meatDeclared);
    }
    JovString insertStatement() const;

private:
    IngredientRow& setText(TextColumn column, const char* text) {
        texts[column] = text;
        present[column] = true;
        return *this;
    }
    IngredientRow& setFlag(bool& flag) {
        flag = true;
        return *this;
    }

    int id;
    JovString name;
    JovString texts[textCount];
    bool present[textCount] = {};
    bool isFemale = false;
    bool isPlural = false;
    bool isLabelled = false;
    double meatShare = 0.0;
    bool meatDeclared = false;
};

// Share flags as stored in Mengen and Anteile.
enum ShareFlag {
    ownWeight = 1,
    inTitle = 2,
    valueGiving = 4,
    ofWholeMenu = 8,
    variableShares = 16,
};

class CompositionTest : public DatabaseTest, public ConnectionOwner, public JovTreeModelListener {
public:
    Connection* getConnection() const override { return connection; }
    void treeNodesChanged(JovTreeModelEvent& event) override;
    void treeNodesInserted(JovTreeModelEvent& event) override;
    void treeNodesRemoved(JovTreeModelEvent& event) override;
    void treeStructureChanged(JovTreeModelEvent& event) override;

protected:
    using Rows = std::vector<std::string>;

    void SetUp() override;
    void TearDown() override;

    static void store(const IngredientRow& row);
    // Rows with a name and nothing else.
    static void storePlain(std::initializer_list<std::pair<int, const char*>> rows);
    static void storeMenu(int id, const char* name);
    static void storeFill(int menu, int child, int grams, int flags = ownWeight);
    static void storeFills(int menu, std::initializer_list<std::pair<int, int>> childGrams);
    static void storeShare(int parent, int child, double share, int flags = ownWeight);
    static void storeShares(int parent, std::initializer_list<std::pair<int, double>> childShares);
    // The ingredient of a Zutaten row as an occurrence with the given amount, flags and parent.
    static Ingredient* readIngredient(int id, double amount = 0.0, int flags = ownWeight,
                                      AbstractMeal* parent = nullptr);

    // A fresh composer with the menu loaded; the composer of the previous call is dropped.
    MealComposer& load(int menuId);
    // The node of the loaded menu's composition reached by child indexes from the menu's node.
    JovDefaultMutableTreeNode* nodeAt(std::initializer_list<int> path) const;
    Ingredient* occurrenceAt(std::initializer_list<int> path) const;
    // "name amount" of each child of node, in order, joined by "; ".
    static std::string childrenOf(const JovDefaultMutableTreeNode* node);
    // The texts of a text column in the rows a query yields, joined by ",".
    static std::string textsOf(const JovString& query, const char* column);
    // The Mengen rows of a menu by ingredient: "Kind Fuellmenge flags", the flags as the letters
    // M, T, W, V of mengeAngeben, imTitel, wertgebend, veraenderlicheAnteile that are set.
    static Rows fillRowsOf(int menu);
    // The Anteile rows of an ingredient by component: "Kind Anteil flags" with Anteil to six
    // decimals and the letters M, T, W, A, V (A for mengeAufMenueBeziehen).
    static Rows shareRowsOf(int parent);
    // The message of the JovException action throws, or notRefused.
    static std::string refusalOf(const std::function<void()>& action);
    static constexpr const char* notRefused = "(nicht abgewiesen)";

    JovReference<JovDefaultMutableTreeNode> modelRoot;
    JovReference<MealComposer> composer;
    // "+index name" per inserted node and "-index name" per removed one, name being the item's;
    // any other tree-model event is recorded as "?".
    Rows notifications;
};
