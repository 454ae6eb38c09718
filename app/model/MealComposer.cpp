// Loading, editing and saving the composition tree of a menu, and composing its label texts.

#include "app/model/MealComposer.h"

#include "app/model/ConnectionOwner.h"
#include "app/model/Ingredient.h"
#include "app/model/ItemRows.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "app/model/StatementValue.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeModelListener.h"
#include "sql/ResultSet.h"
#include "util/JovHashtable.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr const char* className = "tarvelund.main.MealComposer";
constexpr const char* sugarClass = "Zucker";
constexpr const char* sweetenerClass = "Süßstoff";
constexpr const char* sweetenerNoteText = "Mit Süßungsmittel";
constexpr const char* variableSharesText = " in veränderlichen Gewichtsanteilen";
constexpr const char* meatlessText = "Fleischlos";
constexpr const char* gramsSuffix = " g";
constexpr const char* listSeparator = ", ";
constexpr double wholePercent = 100.0;

// The title names the main dish first, then the vegetables, then the side dish, then the rest;
// a null code stands for the items without a portion kind.
constexpr const char* titlePortionOrder[] = {"he", "ge", "be", nullptr};

Ingredient* entryAt(const JovVector& entries, int index) {
    return static_cast<Ingredient*>(entries.elementAt(index));
}

Ingredient* occurrenceOf(const JovDefaultMutableTreeNode* node) {
    return dynamic_cast<Ingredient*>(node->getUserObject());
}

AbstractMeal* itemOf(const JovDefaultMutableTreeNode* node) {
    return dynamic_cast<AbstractMeal*>(node->getUserObject());
}

// Lists of entries stay in descending working weight; an entry goes after those of equal weight,
// so equal weights keep the order they came in.
void insertSorted(JovVector& entries, Ingredient* entry) {
    int index = 0;
    while (index < entries.size() &&
           entryAt(entries, index)->getWorkingWeight() >= entry->getWorkingWeight()) {
        ++index;
    }
    entries.insertElementAt(entry, index);
}

void moveToPlace(JovVector& entries, int index) {
    Ingredient* entry = entryAt(entries, index);
    entry->addRef();
    entries.removeElementAt(index);
    insertSorted(entries, entry);
    entry->release();
}

int indexOfId(const JovVector& entries, int id) {
    for (int i = 0; i < entries.size(); ++i) {
        if (entryAt(entries, i)->getId() == id) {
            return i;
        }
    }
    return -1;
}

Ingredient* firstMenuRelative(const JovVector& quidList) {
    for (int i = 0; i < quidList.size(); ++i) {
        if (entryAt(quidList, i)->isMengeAufMenueBeziehen()) {
            return entryAt(quidList, i);
        }
    }
    return nullptr;
}

int childIndexOfId(const JovDefaultMutableTreeNode* node, int id) {
    for (int i = 0; i < node->getChildCount(); ++i) {
        const Ingredient* child = occurrenceOf(node->getChildAt(i));
        if (child != nullptr && child->getId() == id) {
            return i;
        }
    }
    return -1;
}

// True when node or one above it holds an occurrence of the ingredient: putting it there again
// would make the ingredient part of itself.
bool standsAbove(const JovDefaultMutableTreeNode* node, int id) {
    for (const JovDefaultMutableTreeNode* above = node; above != nullptr;
         above = above->getParent()) {
        const Ingredient* item = occurrenceOf(above);
        if (item != nullptr && item->getId() == id) {
            return true;
        }
    }
    return false;
}

int sortedChildIndex(const JovDefaultMutableTreeNode* node, double amount) {
    for (int i = 0; i < node->getChildCount(); ++i) {
        const AbstractMeal* child = itemOf(node->getChildAt(i));
        if (child != nullptr && child->getAmount() < amount) {
            return i;
        }
    }
    return node->getChildCount();
}

bool takenInPass(const Ingredient* item, const char* portionCode) {
    if (portionCode == nullptr) {
        return !item->isPortionValid();
    }
    return item->isPortionValid() && item->getPortion().startsWith(portionCode);
}

JovString percentText(const char* format, double percent) {
    return JovString().format(format, percent);
}

} // namespace

MealComposer::MealComposer(JovDefaultMutableTreeNode* modelRoot, JovTreeModelListener* listener,
                           ConnectionOwner* owner)
    : modelRoot(modelRoot), listener(listener), owner(owner), root(nullptr), totalWeight(0.0),
      meatContent(0) {
    modelRoot->addRef();
}

MealComposer::~MealComposer() {
    if (root != nullptr) {
        root->release();
    }
    modelRoot->release();
}

Menu* MealComposer::getMenu() const {
    return root != nullptr ? dynamic_cast<Menu*>(root->getUserObject()) : nullptr;
}

JovString MealComposer::getIngredientList() const {
    return ingredientList.toString();
}

JovString MealComposer::getFillQuantityText() const {
    return JovString().format("%G", totalWeight) + gramsSuffix;
}

JovString MealComposer::getMeatText() const {
    if (meatContent == 0) {
        return meatlessText;
    }
    return JovString::valueOf(meatContent) + gramsSuffix;
}

JovString MealComposer::toString() const {
    return className;
}

Connection* MealComposer::connection() const {
    return owner->getConnection();
}

void MealComposer::loadMenu(int menuId) {
    ScopedStatement statement(connection());
    ResultSet* rows = statement.executeQuery(
        "SELECT * FROM Menues WHERE ID = " + StatementValue::integer(menuId) + ";");
    while (rows != nullptr && rows->next()) {
        menuName = ItemRows::text(*rows, "Name");
        auto* node = new JovDefaultMutableTreeNode(new Menu(*rows));
        node->addRef();
        if (root != nullptr) {
            root->release();
        }
        root = node;
        insertNode(modelRoot, root, modelRoot->getChildCount());
        loadFillQuantities(*rows);
    }
}

void MealComposer::loadFillQuantities(const ResultSet& menuRow) {
    ScopedStatement statement(connection());
    ResultSet* rows = statement.executeQuery(
        "SELECT * FROM Mengen WHERE Eltern = " + StatementValue::integer(menuRow.getInt("ID")) +
        " ORDER BY Fuellmenge DESC");
    while (rows != nullptr && rows->next()) {
        loadOccurrence(root, *rows, rows->getInt("Fuellmenge"));
    }
}

void MealComposer::loadOccurrence(JovDefaultMutableTreeNode* parent, const ResultSet& shareRow,
                                  double amount) {
    const int id = shareRow.getInt("Kind");
    if (standsAbove(parent, id)) {
        return;
    }
    ScopedStatement statement(connection());
    ResultSet* rows =
        statement.executeQuery("SELECT * FROM Zutaten WHERE ID = " + StatementValue::integer(id));
    if (rows == nullptr || !rows->next()) {
        return;
    }
    auto* occurrence = new Ingredient(
        *rows, amount, shareRow.getBoolean("mengeAngeben"), shareRow.getBoolean("wertgebend"),
        shareRow.getBoolean("mengeAufMenueBeziehen"), shareRow.getBoolean("imTitel"),
        shareRow.getBoolean("veraenderlicheAnteile"), itemOf(parent));
    auto* node = new JovDefaultMutableTreeNode(occurrence);
    insertNode(parent, node, parent->getChildCount());
    loadComponents(node, *rows, amount);
}

void MealComposer::loadComponents(JovDefaultMutableTreeNode* node, const ResultSet& ingredientRow,
                                  double factor) {
    ScopedStatement statement(connection());
    ResultSet* rows = statement.executeQuery("SELECT * FROM Anteile WHERE Eltern = " +
                                             StatementValue::integer(ingredientRow.getInt("ID")) +
                                             " ORDER BY Anteil DESC");
    while (rows != nullptr && rows->next()) {
        loadOccurrence(node, *rows, rows->getDouble("Anteil") * factor);
    }
}

void MealComposer::insertNode(JovDefaultMutableTreeNode* parent, JovDefaultMutableTreeNode* child,
                              int index) {
    parent->insert(child, index);
    if (listener != nullptr) {
        JovTreeModelEvent inserted(this, JovTreeModelEvent::TREE_NODES_INSERTED, parent, index,
                                   child);
        listener->treeNodesInserted(inserted);
    }
}

bool MealComposer::addIngredient(JovDefaultMutableTreeNode* node, Ingredient* occurrence) {
    if (occurrence == nullptr) {
        return false;
    }
    // Held for the call, so a fresh occurrence that is not added goes away here.
    occurrence->addRef();
    const bool added = node != nullptr && addHeldOccurrence(node, occurrence);
    occurrence->release();
    return added;
}

bool MealComposer::addHeldOccurrence(JovDefaultMutableTreeNode* node, Ingredient* occurrence) {
    const int id = occurrence->getId();
    if (childIndexOfId(node, id) >= 0 || standsAbove(node, id)) {
        return false;
    }
    ScopedStatement statement(connection());
    ResultSet* rows =
        statement.executeQuery("SELECT * FROM Zutaten WHERE ID = " + StatementValue::integer(id));
    if (rows == nullptr || !rows->next()) {
        return false;
    }
    occurrence->setParent(itemOf(node));
    auto* child = new JovDefaultMutableTreeNode(occurrence);
    insertNode(node, child, sortedChildIndex(node, occurrence->getAmount()));
    loadComponents(child, *rows, occurrence->getAmount());
    return true;
}

bool MealComposer::removeIngredient(JovDefaultMutableTreeNode* node, int ingredientId) {
    if (node == nullptr) {
        return false;
    }
    const int index = childIndexOfId(node, ingredientId);
    if (index < 0) {
        return false;
    }
    JovDefaultMutableTreeNode* child = node->getChildAt(index);
    child->addRef();
    node->remove(index);
    if (listener != nullptr) {
        JovTreeModelEvent removed(this, JovTreeModelEvent::TREE_NODES_REMOVED, node, index, child);
        listener->treeNodesRemoved(removed);
    }
    child->release();
    return true;
}

double MealComposer::weightOf(const JovDefaultMutableTreeNode* node) {
    const AbstractMeal* item = itemOf(node);
    const bool ownWeight = item != nullptr && item->getBoolean(Ingredient::mengeAngebenKey);
    if (node->isLeaf() || ownWeight) {
        return item != nullptr ? item->getAmount() : 0.0;
    }
    double weight = 0.0;
    for (int i = 0; i < node->getChildCount(); ++i) {
        weight += weightOf(node->getChildAt(i));
    }
    return weight;
}

void MealComposer::saveStructure(const Menu& menu) {
    const int menuId = menu.getId();
    ScopedStatement::update(
        connection(), "DELETE * FROM Mengen WHERE Eltern=" + StatementValue::integer(menuId) + ";");
    if (root == nullptr) {
        return;
    }
    for (int i = 0; i < root->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* component = root->getChildAt(i);
        const double weight = weightOf(component);
        // The reserved menu keeps no fill quantities; it only carries the shares being edited.
        if (menuId > Menu::reservedId) {
            insertFillQuantity(menuId, component, weight);
        }
        saveShares(component, weight);
    }
}

void MealComposer::saveStructureAs(int newMenuId) {
    if (root == nullptr) {
        return;
    }
    for (int i = 0; i < root->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* component = root->getChildAt(i);
        const double weight = weightOf(component);
        insertFillQuantity(newMenuId, component, weight);
        saveShares(component, weight);
    }
}

void MealComposer::insertFillQuantity(int menuId, const JovDefaultMutableTreeNode* node,
                                      double weight) {
    const Ingredient* component = occurrenceOf(node);
    ScopedStatement::update(connection(),
                            "INSERT INTO Mengen (Eltern,Fuellmenge,mengeAngeben,imTitel,wertgebend,"
                            "veraenderlicheAnteile,Kind) VALUES (" +
                                StatementValue::integer(menuId) + "," +
                                StatementValue::wholeGrams(weight) + "," +
                                StatementValue::flag(component->isMengeAngeben()) + "," +
                                StatementValue::flag(component->isImTitel()) + "," +
                                StatementValue::flag(component->isWertgebend()) + "," +
                                StatementValue::flag(component->hasVariableShares()) + "," +
                                StatementValue::integer(component->getId()) + ");");
}

void MealComposer::saveShares(const JovDefaultMutableTreeNode* node, double weight) {
    // Shares of a weightless composition cannot be told; its stored ones are kept rather than
    // overwritten with a division by zero.
    if (!node->isLeaf() && !(weight > 0.0)) {
        return;
    }
    const Ingredient* composed = occurrenceOf(node);
    const JovString parentId = StatementValue::integer(composed->getId());
    ScopedStatement::update(connection(), "DELETE * FROM Anteile WHERE Eltern = " + parentId + ";");
    for (int i = 0; i < node->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* childNode = node->getChildAt(i);
        const Ingredient* child = occurrenceOf(childNode);
        const double childWeight = weightOf(childNode);
        saveShares(childNode, childWeight);
        ScopedStatement::update(
            connection(), "INSERT INTO Anteile (Eltern,Anteil,mengeAngeben,imTitel,wertgebend,"
                          "mengeAufMenueBeziehen,veraenderlicheAnteile,Kind) VALUES (" +
                              parentId + "," + StatementValue::decimal(childWeight / weight) + "," +
                              StatementValue::flag(child->isMengeAngeben()) + "," +
                              StatementValue::flag(child->isImTitel()) + "," +
                              StatementValue::flag(child->isWertgebend()) + "," +
                              StatementValue::flag(child->isMengeAufMenueBeziehen()) + "," +
                              StatementValue::flag(child->hasVariableShares()) + "," +
                              StatementValue::integer(child->getId()) + ");");
    }
}

double MealComposer::computeTotalWeight() const {
    if (root == nullptr) {
        return 0.0;
    }
    double weight = 0.0;
    for (int i = 0; i < root->getChildCount(); ++i) {
        weight += itemOf(root->getChildAt(i))->getAmount();
    }
    return weight;
}

int MealComposer::computeMeatContent(const JovDefaultMutableTreeNode* node) const {
    std::int64_t grams = 0;
    for (int i = 0; i < node->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* child = node->getChildAt(i);
        const Ingredient* occurrence = occurrenceOf(child);
        // The declared meat share covers everything below it.
        if (occurrence != nullptr && occurrence->isFleischanteilAngeben()) {
            grams += std::clamp<long>(StatementValue::roundToGrams(occurrence->getFleischanteil() *
                                                                   occurrence->getAmount()),
                                      INT_MIN, INT_MAX);
            continue;
        }
        grams += computeMeatContent(child);
    }
    return static_cast<int>(std::clamp<std::int64_t>(grams, INT_MIN, INT_MAX));
}

void MealComposer::compose() {
    titleItems.removeAllElements();
    sweetenerNote = JovString();
    meatContent = root != nullptr ? computeMeatContent(root) : 0;
    totalWeight = computeTotalWeight();
    JovVector entries;
    if (root != nullptr) {
        flatten(root, entries);
    }
    mergeByName(entries);
    groupByClass(entries);
    buildTitle();
    ingredientList = JovStringBuffer();
    writeIngredientList(entries, ingredientList);
    storeDesignation();
}

void MealComposer::flatten(const JovDefaultMutableTreeNode* node, JovVector& entries) {
    for (int i = 0; i < node->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* child = node->getChildAt(i);
        Ingredient* occurrence = occurrenceOf(child);
        if (occurrence->isImTitel()) {
            titleItems.addElement(occurrence);
        }
        // A composed ingredient without a labelling duty or a declared percentage of its own is
        // listed as its components.
        const bool dissolved = !child->isLeaf() && !occurrence->isKennzPflichtig() &&
                               (!occurrence->isWertgebend() || occurrence->isImTitel());
        if (dissolved) {
            flatten(child, entries);
            continue;
        }
        const int found = indexOfId(entries, occurrence->getId());
        Ingredient* entry = found >= 0 ? entryAt(entries, found) : new Ingredient(*occurrence);
        if (found >= 0) {
            entry->setWorkingWeight(entry->getWorkingWeight() + occurrence->getAmount());
            moveToPlace(entries, found);
        } else {
            entry->setWorkingWeight(occurrence->getAmount());
            insertSorted(entries, entry);
        }
        if (occurrence->isWertgebend()) {
            Ingredient* summed = occurrence->isMengeAufMenueBeziehen()
                                     ? firstMenuRelative(entry->getQuidList())
                                     : nullptr;
            if (summed != nullptr) {
                summed->setWorkingWeight(summed->getWorkingWeight() +
                                         occurrence->getWorkingWeight());
            } else {
                insertSorted(entry->getQuidList(), new Ingredient(*occurrence));
            }
        }
        if (!child->isLeaf()) {
            flatten(child, entry->getComponents());
        }
    }
}

void MealComposer::mergeByName(JovVector& entries) {
    for (int i = 0; i < entries.size(); ++i) {
        Ingredient* first = entryAt(entries, i);
        const JovString labelName = first->getLabelName();
        for (int later = i + 1; later < entries.size();) {
            Ingredient* same = entryAt(entries, later);
            if (same->getLabelName() != labelName) {
                ++later;
                continue;
            }
            first->setWorkingWeight(first->getWorkingWeight() + same->getWorkingWeight());
            for (int c = 0; c < same->getComponents().size(); ++c) {
                first->getComponents().addElement(same->getComponents().elementAt(c));
            }
            entries.removeElementAt(later);
        }
        // Grown by the merge, the entry may now outweigh entries before it.
        for (int before = 0; before < i; ++before) {
            if (entryAt(entries, before)->getWorkingWeight() < first->getWorkingWeight()) {
                first->addRef();
                entries.removeElementAt(i);
                entries.insertElementAt(first, before);
                first->release();
                break;
            }
        }
    }
    for (int i = 0; i < entries.size(); ++i) {
        mergeByName(entryAt(entries, i)->getComponents());
    }
}

void MealComposer::groupByClass(JovVector& entries) {
    JovHashtable groups;
    for (int i = 0; i < entries.size();) {
        Ingredient* entry = entryAt(entries, i);
        groupByClass(entry->getComponents());
        const JovString additiveClass = entry->getIngrClass();
        // Sugar is named as itself, never under its class.
        if (!entry->isIngrClassValid() || additiveClass == sugarClass) {
            ++i;
            continue;
        }
        if (additiveClass == sweetenerClass) {
            sweetenerNote = sweetenerNoteText;
        }
        auto* group = static_cast<Ingredient*>(groups.get(additiveClass));
        if (group == nullptr) {
            group = new Ingredient(additiveClass, 0);
            group->setParent(entry->getParent());
            group->setKennzPflichtig(true);
            group->setIngrClassValid(true);
            groups.put(additiveClass, group);
        }
        auto* member = new Ingredient(*entry);
        member->setParent(group);
        group->setWorkingWeight(group->getWorkingWeight() + member->getAmount());
        insertSorted(group->getComponents(), member);
        entries.removeElementAt(i);
    }
    const JovVector classGroups = groups.elements();
    for (int i = 0; i < classGroups.size(); ++i) {
        insertSorted(entries, entryAt(classGroups, i));
    }
}

void MealComposer::buildTitle() {
    JovStringBuffer withQuid;
    JovStringBuffer plain;
    int taken = 0;
    for (const char* portionCode : titlePortionOrder) {
        for (int i = 0; i < titleItems.size(); ++i) {
            const Ingredient* item = entryAt(titleItems, i);
            if (!takenInPass(item, portionCode)) {
                continue;
            }
            if (taken++ > 0) {
                withQuid.append(listSeparator);
                plain.append(listSeparator);
            }
            withQuid.append(item->getLabelName());
            plain.append(item->getLabelName());
            if (!item->isWertgebend()) {
                continue;
            }
            // The underscore keeps the percentage on the line of its word.
            const double percent =
                totalWeight > 0.0 ? item->getWorkingWeight() * (1.0 / totalWeight) * wholePercent
                                  : 0.0;
            withQuid.append(percent >= wholePercent ? JovString("_(100%)")
                                                    : percentText("_(%.2g%%)", percent));
        }
    }
    titleWithQuid = withQuid.toString();
    menuDesignation = plain.toString();
}

void MealComposer::writeIngredientList(const JovVector& entries, JovStringBuffer& text) const {
    for (int i = 0; i < entries.size(); ++i) {
        Ingredient* entry = entryAt(entries, i);
        text.append(entry->getLabelName()).append(quidDeclaration(*entry));
        const JovVector& components = entry->getComponents();
        if (!components.isEmpty()) {
            text.append(" ");
            // A class with a single member reads "Konservierungsstoff Natriumbenzoat".
            const bool brackets = !(entry->isIngrClassValid() && components.size() <= 1);
            if (brackets) {
                text.append("(");
            }
            writeIngredientList(components, text);
            if (entry->hasVariableShares()) {
                text.append(variableSharesText);
            }
            if (brackets) {
                text.append(")");
            }
        }
        if (i < entries.size() - 1) {
            text.append(listSeparator);
        }
    }
}

// A title item's percentage stands in the title, so the list declares it for the others only.
JovString MealComposer::quidDeclaration(Ingredient& entry) const {
    if (!entry.isWertgebend() || entry.isImTitel()) {
        return JovString();
    }
    const double total = totalWeight;
    const auto ofMenu = [total](double weight) {
        return total > 0.0 ? weight / total * wholePercent : 0.0;
    };
    const JovVector& quidList = entry.getQuidList();
    if (quidList.isEmpty()) {
        const AbstractMeal* parent = entry.getParent();
        const double parentAmount = amountOf(parent);
        const double percent =
            parentAmount > 0.0 ? entry.getAmount() / parentAmount * wholePercent : wholePercent;
        if (percent < wholePercent) {
            return percentText(" (%.2g%%", percent) + parent->getDativePhrase() + ")";
        }
        return percentText(" (%.2g%%)", ofMenu(entry.getAmount()));
    }
    JovStringBuffer declaration;
    declaration.append(" (");
    for (int i = 0; i < quidList.size(); ++i) {
        const Ingredient* quid = entryAt(quidList, i);
        const AbstractMeal* parent = quid->getParent();
        const double parentAmount = amountOf(parent);
        const double percent = parentAmount > 0.0
                                   ? quid->getWorkingWeight() / parentAmount * wholePercent
                                   : wholePercent;
        if (i > 0) {
            declaration.append(listSeparator);
        }
        if (percent < wholePercent && !quid->isMengeAufMenueBeziehen()) {
            declaration.append(percentText("%.2g%%", percent)).append(parent->getDativePhrase());
        } else {
            declaration.append(percentText("%.2g%%", ofMenu(quid->getWorkingWeight())));
        }
    }
    declaration.append(")");
    return declaration.toString();
}

double MealComposer::amountOf(const AbstractMeal* item) const {
    if (item == nullptr) {
        return 0.0;
    }
    if (dynamic_cast<const Menu*>(item) != nullptr) {
        return totalWeight;
    }
    return item->getAmount();
}

void MealComposer::storeDesignation() {
    Menu* menu = getMenu();
    if (menu == nullptr) {
        return;
    }
    menu->setWeight(totalWeight);
    menu->setVerkehrsbezeichnung(menuDesignation);
    if (menu->getId() <= Menu::reservedId) {
        return;
    }
    ScopedStatement::update(
        connection(),
        "UPDATE Menues SET Verkehrsbezeichnung=" + StatementValue::text(menuDesignation) +
            " WHERE ID = " + StatementValue::integer(menu->getId()) + ";");
}
