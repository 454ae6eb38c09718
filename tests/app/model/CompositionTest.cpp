#include "CompositionTest.h"

#include "app/model/AbstractMeal.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"
#include "sql/SqlLiteral.h"

namespace {

const char* bit(bool value) {
    return value ? "1" : "0";
}

JovString number(double value) {
    // The statement needs a point whatever the locale of the test process.
    return JovString().format("%.17g", value).replace(',', '.');
}

std::string nameOf(const JovDefaultMutableTreeNode* node) {
    const auto* item = dynamic_cast<const AbstractMeal*>(node->getUserObject());
    return item != nullptr ? item->getName().chars() : node->toString().chars();
}

// The rows of Anteile or Mengen below parent by child, as "Kind amount letters": a letter of
// "MTWAV" for each of the flag columns given that is set (an empty name skips its letter).
std::vector<std::string> describeRows(Connection* connection, bool shareRows, int parent,
                                      std::initializer_list<const char*> flagColumns) {
    static const char letters[] = "MTWAV";
    Query rows(connection, JovString("SELECT * FROM ") + (shareRows ? "Anteile" : "Mengen") +
                               " WHERE Eltern = " + JovString::valueOf(parent) + " ORDER BY Kind");
    std::vector<std::string> described;
    while (rows.result != nullptr && rows.result->next()) {
        const ResultSet& row = *rows.result;
        // Fuellmenge is an integer column, Anteil a double one.
        const JovString amount = shareRows ? JovString().format("%.6f", row.getDouble("Anteil"))
                                           : JovString::valueOf(row.getInt("Fuellmenge"));
        std::string text =
            std::to_string(row.getInt("Kind")) + " " + amount.replace(',', '.').chars() + " ";
        int position = 0;
        for (const char* column : flagColumns) {
            if (*column != '\0' && row.getBoolean(column)) {
                text += letters[position];
            }
            ++position;
        }
        described.push_back(text);
    }
    return described;
}

} // namespace

JovString IngredientRow::insertStatement() const {
    JovString sql = "INSERT INTO Zutaten (ID,Name,Verkehrsbezeichnung,DativPlural,Portion,Klasse,"
                    "weiblich,Plural,kennzPflichtig,Fleischanteil,fleischanteilAngeben) VALUES (" +
                    JovString::valueOf(id) + "," + SqlLiteral::quoted(name);
    for (int column = 0; column < textCount; ++column) {
        sql += "," + (present[column] ? SqlLiteral::quoted(texts[column]) : JovString("NULL"));
    }
    return sql + "," + bit(isFemale) + "," + bit(isPlural) + "," + bit(isLabelled) + "," +
           number(meatShare) + "," + bit(meatDeclared) + ");";
}

void CompositionTest::SetUp() {
    DatabaseTest::SetUp();
    modelRoot.reset(new JovDefaultMutableTreeNode(new JovString("Alle Zutaten")));
}

void CompositionTest::TearDown() {
    composer.reset();
    modelRoot.reset();
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

void CompositionTest::storePlain(std::initializer_list<std::pair<int, const char*>> rows) {
    for (const auto& [id, name] : rows) {
        store(IngredientRow(id, name));
    }
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

void CompositionTest::storeFills(int menu, std::initializer_list<std::pair<int, int>> childGrams) {
    for (const auto& [child, grams] : childGrams) {
        storeFill(menu, child, grams);
    }
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

void CompositionTest::storeShares(int parent,
                                  std::initializer_list<std::pair<int, double>> childShares) {
    for (const auto& [child, share] : childShares) {
        storeShare(parent, child, share);
    }
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
    composer.reset();
    modelRoot->removeAllChildren();
    notifications.clear();
    composer.reset(new MealComposer(modelRoot.get(), this, this));
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

CompositionTest::Rows CompositionTest::fillRowsOf(int menu) {
    return describeRows(connection, false, menu,
                        {"mengeAngeben", "imTitel", "wertgebend", "", "veraenderlicheAnteile"});
}

CompositionTest::Rows CompositionTest::shareRowsOf(int parent) {
    return describeRows(connection, true, parent,
                        {"mengeAngeben", "imTitel", "wertgebend", "mengeAufMenueBeziehen",
                         "veraenderlicheAnteile"});
}

std::string CompositionTest::refusalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const JovException& refusal) {
        return refusal.getMessage().chars();
    }
    return notRefused;
}
