#include "CompositionTest.h"

#include "app/model/AbstractMeal.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelEvent.h"
#include "sql/ResultSet.h"
#include "sql/SqlLiteral.h"

namespace {

enum TextColumn { salesNameColumn, dativePluralColumn, portionColumn, classColumn };

const char* bit(bool value) {
    return value ? "1" : "0";
}

JovString number(double value) {
    // The statement needs a point whatever the locale of the test process.
    return JovString().format("%.17g", value).replace(',', '.');
}

// The letters M, T, W, A, V for the flag columns given (an empty name skips its letter).
std::string flagLetters(const ResultSet& row, std::initializer_list<const char*> columns) {
    static const char letters[] = "MTWAV";
    std::string set;
    int position = 0;
    for (const char* column : columns) {
        if (*column != '\0' && row.getBoolean(column)) {
            set += letters[position];
        }
        ++position;
    }
    return set;
}

std::string nameOf(const JovDefaultMutableTreeNode* node) {
    const auto* item = dynamic_cast<const AbstractMeal*>(node->getUserObject());
    return item != nullptr ? item->getName().chars() : node->toString().chars();
}

} // namespace

IngredientRow::IngredientRow(int id, const char* name) : id(id), name(name) {
}

IngredientRow& IngredientRow::salesName(const char* text) {
    texts[salesNameColumn] = text;
    present[salesNameColumn] = true;
    return *this;
}

IngredientRow& IngredientRow::dativePlural(const char* text) {
    texts[dativePluralColumn] = text;
    present[dativePluralColumn] = true;
    return *this;
}

IngredientRow& IngredientRow::portion(const char* code) {
    texts[portionColumn] = code;
    present[portionColumn] = true;
    return *this;
}

IngredientRow& IngredientRow::additiveClass(const char* className) {
    texts[classColumn] = className;
    present[classColumn] = true;
    return *this;
}

IngredientRow& IngredientRow::female() {
    isFemale = true;
    return *this;
}

IngredientRow& IngredientRow::plural() {
    isPlural = true;
    return *this;
}

IngredientRow& IngredientRow::labelled() {
    isLabelled = true;
    return *this;
}

IngredientRow& IngredientRow::declaredMeat(double share) {
    meatShare = share;
    meatDeclared = true;
    return *this;
}

JovString IngredientRow::insertStatement() const {
    JovString sql = "INSERT INTO Zutaten (ID,Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,"
                    "weiblich,Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben) VALUES (" +
                    JovString::valueOf(id) + "," + SqlLiteral::quoted(name);
    for (int column = salesNameColumn; column <= classColumn; ++column) {
        sql += "," + (present[column] ? SqlLiteral::quoted(texts[column]) : JovString("NULL"));
    }
    return sql + "," + bit(isFemale) + "," + bit(isPlural) + "," + bit(isLabelled) + "," +
           number(meatShare) + "," + bit(meatDeclared) + ");";
}

void CompositionTest::SetUp() {
    DatabaseTest::SetUp();
    modelRoot = new JovDefaultMutableTreeNode(new JovString("Alle Zutaten"));
    modelRoot->addRef();
}

void CompositionTest::TearDown() {
    if (composer != nullptr) {
        composer->release();
    }
    modelRoot->release();
    DatabaseTest::TearDown();
}

void CompositionTest::treeNodesChanged(JovTreeModelEvent&) {
    notifications.push_back("?");
}

void CompositionTest::treeNodesInserted(JovTreeModelEvent& event) {
    EXPECT_EQ(event.getID(), JovTreeModelEvent::TREE_NODES_INSERTED);
    EXPECT_EQ(event.getParentNode()->getChildAt(event.getChildIndex()), event.getChild());
    EXPECT_NE(dynamic_cast<MealComposer*>(event.getSource()), nullptr);
    notifications.push_back("+" + std::to_string(event.getChildIndex()) + " " +
                            nameOf(event.getChild()));
}

void CompositionTest::treeNodesRemoved(JovTreeModelEvent& event) {
    EXPECT_EQ(event.getID(), JovTreeModelEvent::TREE_NODES_REMOVED);
    EXPECT_EQ(event.getChild()->getParent(), nullptr);
    notifications.push_back("-" + std::to_string(event.getChildIndex()) + " " +
                            nameOf(event.getChild()));
}

void CompositionTest::treeStructureChanged(JovTreeModelEvent&) {
    notifications.push_back("?");
}

void CompositionTest::store(const IngredientRow& row) {
    ASSERT_GE(execute(row.insertStatement()), 0);
}

void CompositionTest::storeMenu(int id, const char* name) {
    ASSERT_GE(execute("INSERT INTO Menues (ID,Name) VALUES (" + JovString::valueOf(id) + "," +
                      SqlLiteral::quoted(name) + ");"),
              0);
}

void CompositionTest::storeFill(int menu, int child, int grams, int flags) {
    ASSERT_GE(execute("INSERT INTO Mengen (Eltern,Kind,Fuellmenge,mengeAngeben,imTitel,"
                      "wertgebend,veraenderlicheAnteile) VALUES (" +
                      JovString::valueOf(menu) + "," + JovString::valueOf(child) + "," +
                      JovString::valueOf(grams) + "," + bit(flags & ownWeight) + "," +
                      bit(flags & inTitle) + "," + bit(flags & valueGiving) + "," +
                      bit(flags & variableShares) + ");"),
              0);
}

void CompositionTest::storeShare(int parent, int child, double share, int flags) {
    ASSERT_GE(execute("INSERT INTO Anteile (Eltern,Kind,Anteil,mengeAngeben,imTitel,wertgebend,"
                      "mengeAufMenueBeziehen,veraenderlicheAnteile) VALUES (" +
                      JovString::valueOf(parent) + "," + JovString::valueOf(child) + "," +
                      number(share) + "," + bit(flags & ownWeight) + "," + bit(flags & inTitle) +
                      "," + bit(flags & valueGiving) + "," + bit(flags & ofWholeMenu) + "," +
                      bit(flags & variableShares) + ");"),
              0);
}

Ingredient* CompositionTest::readIngredient(int id, double amount, int flags,
                                            AbstractMeal* parent) {
    Query row(connection, "SELECT * FROM Zutaten WHERE ID = " + JovString::valueOf(id) + ";");
    if (row.result == nullptr || !row.result->next()) {
        ADD_FAILURE() << "no Zutaten row " << id;
        return new Ingredient("", id);
    }
    return new Ingredient(*row.result, amount, flags & ownWeight, flags & valueGiving,
                          flags & ofWholeMenu, flags & inTitle, flags & variableShares, parent);
}

MealComposer& CompositionTest::load(int menuId) {
    if (composer != nullptr) {
        composer->release();
    }
    modelRoot->removeAllChildren();
    notifications.clear();
    composer = new MealComposer(modelRoot, this, this);
    composer->addRef();
    composer->loadMenu(menuId);
    return *composer;
}

JovDefaultMutableTreeNode* CompositionTest::nodeAt(std::initializer_list<int> path) const {
    JovDefaultMutableTreeNode* node = composer->getRoot();
    for (int index : path) {
        if (node == nullptr || index >= node->getChildCount()) {
            return nullptr;
        }
        node = node->getChildAt(index);
    }
    return node;
}

Ingredient* CompositionTest::occurrenceAt(std::initializer_list<int> path) const {
    JovDefaultMutableTreeNode* node = nodeAt(path);
    return node != nullptr ? dynamic_cast<Ingredient*>(node->getUserObject()) : nullptr;
}

std::string CompositionTest::childrenOf(const JovDefaultMutableTreeNode* node) {
    std::string text;
    for (int i = 0; node != nullptr && i < node->getChildCount(); ++i) {
        const auto* item = dynamic_cast<const AbstractMeal*>(node->getChildAt(i)->getUserObject());
        text += (i > 0 ? "; " : "") + nameOf(node->getChildAt(i)) + " " +
                JovString().format("%g", item->getAmount()).replace(',', '.').chars();
    }
    return text;
}

std::string CompositionTest::textsOf(const JovString& query, const char* column) {
    Query rows(connection, query);
    std::string values;
    while (rows.result != nullptr && rows.result->next()) {
        const JovString* value = rows.result->getString(column);
        values += (values.empty() ? "" : ",") + std::string(value != nullptr ? value->chars() : "");
    }
    return values;
}

std::vector<std::string> CompositionTest::fillRowsOf(int menu) {
    Query rows(connection, "SELECT * FROM Mengen WHERE Eltern = " + JovString::valueOf(menu) +
                               " ORDER BY Kind");
    std::vector<std::string> described;
    while (rows.result != nullptr && rows.result->next()) {
        const ResultSet& row = *rows.result;
        described.push_back(std::to_string(row.getInt("Kind")) + " " +
                            std::to_string(row.getInt("Fuellmenge")) + " " +
                            flagLetters(row, {"mengeAngeben", "imTitel", "wertgebend", "",
                                              "veraenderlicheAnteile"}));
    }
    return described;
}

std::vector<std::string> CompositionTest::shareRowsOf(int parent) {
    Query rows(connection, "SELECT * FROM Anteile WHERE Eltern = " + JovString::valueOf(parent) +
                               " ORDER BY Kind");
    std::vector<std::string> described;
    while (rows.result != nullptr && rows.result->next()) {
        const ResultSet& row = *rows.result;
        described.push_back(
            std::to_string(row.getInt("Kind")) + " " +
            JovString().format("%.6f", row.getDouble("Anteil")).replace(',', '.').chars() + " " +
            flagLetters(row, {"mengeAngeben", "imTitel", "wertgebend", "mengeAufMenueBeziehen",
                              "veraenderlicheAnteile"}));
    }
    return described;
}
