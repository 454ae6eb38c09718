// Loading, editing and saving the composition tree of a menu, and composing its label texts.

#include "app/model/MealComposer.h"

#include "app/model/CompositionMeasure.h"
#include "app/model/CompositionRows.h"
#include "app/model/ConnectionOwner.h"
#include "app/model/Ingredient.h"
#include "app/model/ItemRows.h"
#include "app/model/Menu.h"
#include "app/model/ScopedStatement.h"
#include "app/model/ScopedTransaction.h"
#include "app/model/StatementValue.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeModelListener.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"
#include "text/JovMessageFormat.h"
#include "util/JovHashtable.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* className = "tarvelund.main.MealComposer";
constexpr const char* sugarClass = "Zucker";
constexpr const char* sweetenerClass = "Süßstoff";
constexpr const char* sweetenerNoteText = "Mit Süßungsmittel";
constexpr const char* variableSharesText = " in veränderlichen Gewichtsanteilen";
constexpr const char* meatlessText = "Fleischlos";
constexpr const char* lessThanOneGramText = "< 1 g";
constexpr const char* gramsSuffix = " g";
constexpr const char* listSeparator = ", ";
constexpr double wholePercent = 100.0;
constexpr const char* menuTooLargeText =
    "Die Zusammensetzung des Menüs '{0}' (Art.-Nr.: {1}) ist zu tief verschachtelt oder zu "
    "umfangreich.\nDas Menü wird nicht geladen.";
constexpr const char* ingredientTooLargeText =
    "Die Zusammensetzung der Zutat '{0}' (Art.-Nr.: {1}) ist zu tief verschachtelt oder zu "
    "umfangreich.\nDie Zutat wird nicht hinzugefügt.";
constexpr const char* compositionTooLargeText = "Zusammensetzung zu groß";

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
int sortedIndex(const JovVector& entries, double weight) {
    int index = 0;
    while (index < entries.size() && entryAt(entries, index)->getWorkingWeight() >= weight) {
        ++index;
    }
    return index;
}

void insertSorted(JovVector& entries, Ingredient* entry) {
    entries.insertElementAt(entry, sortedIndex(entries, entry->getWorkingWeight()));
}

// The index the scan of sortedIndex finds (or, with heavierOnly, the first entry not heavier than
// weight), found by halving: in a list whose weights descend the test holds for a leading run
// only, also for a NaN weight, for which it never holds.
int orderedIndex(const JovVector& entries, double weight, bool heavierOnly) {
    int low = 0;
    int high = entries.size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const double middleWeight = entryAt(entries, middle)->getWorkingWeight();
        if (heavierOnly ? middleWeight > weight : middleWeight >= weight) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::string textKey(const JovString& text) {
    return std::string(text.chars(), text.length());
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

// The weight of a name's title items, and whether one of them is value-giving.
struct TitleShare {
    double weight = 0.0;
    bool valueGiving = false;
};

// Two significant digits, but never in exponent form (99.7 reads 100, not 1e+02).
JovString percentText(double percent) {
    JovString text;
    text.format("%.2g", percent);
    if (text.indexOf('e') >= 0) {
        text.format("%.0f", percent);
    }
    return text + "%";
}

// The rule of a second occurrence: percentages of the whole menu are summed into the first such
// element, every other one is declared on its own.
void addQuid(JovVector& quidList, const Ingredient& quid) {
    Ingredient* summed = quid.isMengeAufMenueBeziehen() ? firstMenuRelative(quidList) : nullptr;
    if (summed != nullptr) {
        summed->setWorkingWeight(summed->getWorkingWeight() + quid.getWorkingWeight());
        return;
    }
    insertSorted(quidList, new Ingredient(quid));
}

// The underscore keeps the percentage on the line of its word.
JovString titlePercent(const TitleShare& share, double totalWeight) {
    if (!share.valueGiving) {
        return JovString();
    }
    const double percent =
        totalWeight > 0.0 ? share.weight * (1.0 / totalWeight) * wholePercent : 0.0;
    return percent >= wholePercent ? JovString("_(100%)") : "_(" + percentText(percent) + ")";
}

// An item whose portion code is none of the title's is not part of the title.
bool isTitlePart(const Ingredient* item) {
    for (const char* portionCode : titlePortionOrder) {
        if (takenInPass(item, portionCode)) {
            return true;
        }
    }
    return false;
}

JovString tooLargeMessage(const char* pattern, const JovString& name, int id) {
    const JovString arguments[] = {name, JovString::valueOf(id)};
    return JovMessageFormat::format(pattern, arguments, 2);
}

} // namespace

MealComposer::MealComposer(JovDefaultMutableTreeNode* modelRoot, JovTreeModelListener* listener,
                           ConnectionOwner* owner)
    : modelRoot(modelRoot), listener(listener), owner(owner), totalWeight(0.0), meatWeight(0.0),
      meatContent(0) {
}

MealComposer::~MealComposer() = default;

Menu* MealComposer::getMenu() const {
    return root ? dynamic_cast<Menu*>(root->getUserObject()) : nullptr;
}

JovString MealComposer::getIngredientList() const {
    return ingredientList.toString();
}

JovString MealComposer::getFillQuantityText() const {
    return JovString().format("%G", totalWeight) + gramsSuffix;
}

JovString MealComposer::getMeatText() const {
    if (meatWeight == 0.0) {
        return meatlessText;
    }
    // Declared meat that rounds away is still meat.
    if (meatContent == 0 && meatWeight > 0.0) {
        return lessThanOneGramText;
    }
    return JovString::valueOf(meatContent) + gramsSuffix;
}

JovString MealComposer::toString() const {
    return className;
}

Connection* MealComposer::connection() const {
    return owner->getConnection();
}

int MealComposer::depthOf(const JovDefaultMutableTreeNode* node) const {
    int depth = 0;
    for (const JovDefaultMutableTreeNode* above = node; above != nullptr && above != root.get();
         above = above->getParent()) {
        ++depth;
    }
    return depth;
}

void MealComposer::loadMenu(int menuId) {
    CompositionRows rows(connection());
    loadMenu(menuId, rows);
}

void MealComposer::loadMenu(int menuId, CompositionRows& compositionRows) {
    const Menu* stored = compositionRows.menu(menuId);
    if (stored == nullptr) {
        return;
    }
    const JovString name = stored->getName();
    if (!CompositionMeasure(compositionRows).menuFits(menuId)) {
        throw JovException(tooLargeMessage(menuTooLargeText, name, menuId));
    }
    menuName = name;
    root.reset(new JovDefaultMutableTreeNode(new Menu(*stored)));
    insertNode(modelRoot.get(), root.get(), modelRoot->getChildCount());
    try {
        loadedOccurrences = 0;
        loadFillQuantities(stored->getId(), compositionRows);
    } catch (const JovException&) {
        removeNode(modelRoot.get(), modelRoot->getIndex(root.get()));
        root.reset();
        throw JovException(tooLargeMessage(menuTooLargeText, name, menuId));
    }
}

void MealComposer::loadFillQuantities(int menuId, CompositionRows& rows) {
    for (const CompositionRows::ShareRow& shareRow : rows.fillQuantities(menuId)) {
        loadOccurrence(root.get(), shareRow, shareRow.fillQuantity, 1, rows);
    }
}

void MealComposer::loadOccurrence(JovDefaultMutableTreeNode* parent,
                                  const CompositionRows::ShareRow& shareRow, double amount,
                                  int depth, CompositionRows& rows) {
    if (!shareRow.hasKind || standsAbove(parent, shareRow.kind)) {
        return;
    }
    // The measure taken before loading sees each stored composition once; this guard holds
    // even where it could not foresee the expansion.
    if (depth > CompositionMeasure::maxDepth ||
        ++loadedOccurrences > CompositionMeasure::maxOccurrences) {
        throw JovException(compositionTooLargeText);
    }
    const Ingredient* stored = rows.ingredient(shareRow.kind);
    if (stored == nullptr) {
        return;
    }
    auto* occurrence = new Ingredient(*stored, amount, shareRow.mengeAngeben, shareRow.wertgebend,
                                      shareRow.mengeAufMenueBeziehen, shareRow.imTitel,
                                      shareRow.veraenderlicheAnteile, itemOf(parent));
    auto* node = new JovDefaultMutableTreeNode(occurrence);
    insertNode(parent, node, parent->getChildCount());
    loadComponents(node, stored->getId(), amount, depth, rows);
}

void MealComposer::loadComponents(JovDefaultMutableTreeNode* node, int ingredientId, double factor,
                                  int depth, CompositionRows& rows) {
    for (const CompositionRows::ShareRow& shareRow : rows.shares(ingredientId)) {
        loadOccurrence(node, shareRow, shareRow.share * factor, depth + 1, rows);
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

void MealComposer::removeNode(JovDefaultMutableTreeNode* parent, int index) {
    // Held until the listener has heard of the removal.
    const JovReference<JovDefaultMutableTreeNode> child(parent->getChildAt(index));
    parent->remove(index);
    if (listener != nullptr) {
        JovTreeModelEvent removed(this, JovTreeModelEvent::TREE_NODES_REMOVED, parent, index,
                                  child.get());
        listener->treeNodesRemoved(removed);
    }
}

bool MealComposer::addIngredient(JovDefaultMutableTreeNode* node, Ingredient* occurrence) {
    if (occurrence == nullptr) {
        return false;
    }
    // Held for the call, so a fresh occurrence that is not added goes away here.
    const JovReference<Ingredient> held(occurrence);
    return node != nullptr && addHeldOccurrence(node, occurrence);
}

bool MealComposer::addHeldOccurrence(JovDefaultMutableTreeNode* node, Ingredient* occurrence) {
    const int id = occurrence->getId();
    if (childIndexOfId(node, id) >= 0 || standsAbove(node, id)) {
        return false;
    }
    const int depth = depthOf(node) + 1;
    CompositionRows rows(connection());
    if (!CompositionMeasure(rows).occurrenceFits(id, depth)) {
        throw JovException(tooLargeMessage(ingredientTooLargeText, occurrence->getName(), id));
    }
    if (rows.ingredient(id) == nullptr) {
        return false;
    }
    occurrence->setParent(itemOf(node));
    auto* child = new JovDefaultMutableTreeNode(occurrence);
    const int index = sortedChildIndex(node, occurrence->getAmount());
    insertNode(node, child, index);
    try {
        loadedOccurrences = 0;
        loadComponents(child, id, occurrence->getAmount(), depth, rows);
    } catch (const JovException&) {
        removeNode(node, index);
        throw JovException(tooLargeMessage(ingredientTooLargeText, occurrence->getName(), id));
    }
    markCompositionEdited(node);
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
    removeNode(node, index);
    markCompositionEdited(node);
    return true;
}

void MealComposer::markCompositionEdited(const JovDefaultMutableTreeNode* node) {
    Ingredient* composed = occurrenceOf(node);
    if (composed == nullptr) {
        return;
    }
    // Held, so that the occurrence is still told apart after its node has gone.
    editedOccurrences.put(JovString::valueOf(composed->getId()), composed);
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
    ScopedTransaction transaction(connection());
    ScopedStatement::update(
        connection(), "DELETE * FROM Mengen WHERE Eltern=" + StatementValue::integer(menuId) + ";");
    // The reserved menu keeps no fill quantities; it only carries the shares being edited.
    saveComponents(menuId, menuId > Menu::reservedId);
    transaction.commit();
}

void MealComposer::saveStructureAs(int newMenuId) {
    ScopedTransaction transaction(connection());
    saveComponents(newMenuId, true);
    transaction.commit();
}

void MealComposer::saveComponents(int menuId, bool withFillQuantities) {
    if (!root) {
        return;
    }
    const ShareWriters writers = shareWriters();
    for (int i = 0; i < root->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* component = root->getChildAt(i);
        const double weight = weightOf(component);
        if (withFillQuantities) {
            insertFillQuantity(menuId, component, weight);
        }
        saveShares(component, weight, writers);
    }
}

// Anteile rows belong to the ingredient, so one occurrence writes them: the one edited last,
// else the first in tree order.
MealComposer::ShareWriters MealComposer::shareWriters() const {
    ShareWriters writers;
    std::vector<const JovDefaultMutableTreeNode*> pending{root.get()};
    while (!pending.empty()) {
        const JovDefaultMutableTreeNode* node = pending.back();
        pending.pop_back();
        for (int i = node->getChildCount() - 1; i >= 0; --i) {
            pending.push_back(node->getChildAt(i));
        }
        const Ingredient* occurrence = occurrenceOf(node);
        if (occurrence == nullptr) {
            continue;
        }
        const bool edited =
            editedOccurrences.get(JovString::valueOf(occurrence->getId())) == occurrence;
        if (edited || writers.count(occurrence->getId()) == 0) {
            writers[occurrence->getId()] = node;
        }
    }
    return writers;
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

void MealComposer::saveShares(const JovDefaultMutableTreeNode* node, double weight,
                              const ShareWriters& writers) {
    // Shares of a weightless composition cannot be told; its stored ones are kept rather than
    // overwritten with a division by zero.
    if (!node->isLeaf() && !(weight > 0.0)) {
        return;
    }
    const Ingredient* composed = occurrenceOf(node);
    const bool writes = writers.at(composed->getId()) == node;
    const JovString parentId = StatementValue::integer(composed->getId());
    if (writes) {
        ScopedStatement::update(connection(),
                                "DELETE * FROM Anteile WHERE Eltern = " + parentId + ";");
    }
    for (int i = 0; i < node->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* childNode = node->getChildAt(i);
        const double childWeight = weightOf(childNode);
        saveShares(childNode, childWeight, writers);
        if (writes) {
            insertShare(parentId, occurrenceOf(childNode), childWeight / weight);
        }
    }
}

void MealComposer::insertShare(const JovString& parentId, const Ingredient* child, double share) {
    ScopedStatement::update(connection(),
                            "INSERT INTO Anteile (Eltern,Anteil,mengeAngeben,imTitel,wertgebend,"
                            "mengeAufMenueBeziehen,veraenderlicheAnteile,Kind) VALUES (" +
                                parentId + "," + StatementValue::decimal(share) + "," +
                                StatementValue::flag(child->isMengeAngeben()) + "," +
                                StatementValue::flag(child->isImTitel()) + "," +
                                StatementValue::flag(child->isWertgebend()) + "," +
                                StatementValue::flag(child->isMengeAufMenueBeziehen()) + "," +
                                StatementValue::flag(child->hasVariableShares()) + "," +
                                StatementValue::integer(child->getId()) + ");");
}

double MealComposer::computeTotalWeight() const {
    if (!root) {
        return 0.0;
    }
    double weight = 0.0;
    for (int i = 0; i < root->getChildCount(); ++i) {
        weight += itemOf(root->getChildAt(i))->getAmount();
    }
    return weight;
}

// Unrounded, so that small declared amounts add up before the one rounding.
double MealComposer::computeMeatWeight(const JovDefaultMutableTreeNode* node) const {
    double grams = 0.0;
    for (int i = 0; i < node->getChildCount(); ++i) {
        const JovDefaultMutableTreeNode* child = node->getChildAt(i);
        const Ingredient* occurrence = occurrenceOf(child);
        // The declared meat share covers everything below it.
        if (occurrence != nullptr && occurrence->isFleischanteilAngeben()) {
            grams += occurrence->getFleischanteil() * occurrence->getAmount();
            continue;
        }
        grams += computeMeatWeight(child);
    }
    return grams;
}

void MealComposer::compose() {
    titleItems.removeAllElements();
    sweetenerNote = JovString();
    meatWeight = root ? computeMeatWeight(root.get()) : 0.0;
    meatContent = static_cast<int>(
        std::clamp<long>(StatementValue::roundToGrams(meatWeight), INT_MIN, INT_MAX));
    totalWeight = computeTotalWeight();
    JovVector entries;
    if (root) {
        flatten(root.get(), entries);
        flatLists.clear();
    }
    mergeByName(entries);
    groupByClass(entries);
    buildTitle();
    ingredientList = JovStringBuffer();
    writeIngredientList(entries, ingredientList);
    storeDesignation();
}

void MealComposer::flatten(const JovDefaultMutableTreeNode* node, JovVector& entries) {
    FlatList& list = flatLists[&entries];
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
        Ingredient* entry = placeEntry(list, entries, *occurrence);
        if (occurrence->isWertgebend()) {
            addQuid(entry->getQuidList(), *occurrence);
        }
        if (!child->isLeaf()) {
            flatten(child, entry->getComponents());
        }
    }
}

// The occurrence's weight goes to the list's entry of its ingredient, or to a new one; either
// way the entry then stands in its place by weight.
Ingredient* MealComposer::placeEntry(FlatList& list, JovVector& entries,
                                     const Ingredient& occurrence) {
    const int id = occurrence.getId();
    const auto found = list.byId.find(id);
    if (found == list.byId.end()) {
        auto* entry = new Ingredient(occurrence);
        entry->setWorkingWeight(occurrence.getAmount());
        list.byId.emplace(id, entry);
        insertPlaced(list, entries, entry);
        return entry;
    }
    Ingredient* entry = found->second;
    // Held while it is out of the list.
    const JovReference<Ingredient> held(entry);
    entries.removeElementAt(indexOfPlaced(list, entries, entry));
    entry->setWorkingWeight(entry->getWorkingWeight() + occurrence.getAmount());
    insertPlaced(list, entries, entry);
    return entry;
}

void MealComposer::insertPlaced(FlatList& list, JovVector& entries, Ingredient* entry) {
    const double weight = entry->getWorkingWeight();
    const int index =
        list.ordered ? orderedIndex(entries, weight, false) : sortedIndex(entries, weight);
    entries.insertElementAt(entry, index);
    if (std::isnan(weight)) {
        list.ordered = false;
    }
}

int MealComposer::indexOfPlaced(const FlatList& list, const JovVector& entries,
                                const Ingredient* entry) {
    // Entries of equal weight stand together in an ordered list.
    int index = list.ordered ? orderedIndex(entries, entry->getWorkingWeight(), true) : 0;
    while (entryAt(entries, index) != entry) {
        ++index;
    }
    return index;
}

void MealComposer::mergeByName(JovVector& entries) {
    std::vector<Ingredient*> firsts;
    std::unordered_map<std::string, Ingredient*> firstByName;
    for (int i = 0; i < entries.size(); ++i) {
        Ingredient* entry = entryAt(entries, i);
        const auto [first, isFirst] = firstByName.emplace(textKey(entry->getLabelName()), entry);
        if (isFirst) {
            firsts.push_back(entry);
        } else {
            mergeInto(*first->second, *entry);
        }
    }
    const std::vector<Ingredient*> merged = placeMerged(firsts);
    const std::vector<JovReference<Ingredient>> held(merged.begin(), merged.end());
    // The entries merged into others are dropped with their QUID lists here.
    entries.removeAllElements();
    for (Ingredient* entry : merged) {
        entries.addElement(entry);
    }
    for (Ingredient* entry : merged) {
        mergeByName(entry->getComponents());
    }
}

void MealComposer::mergeInto(Ingredient& first, Ingredient& same) {
    first.setWorkingWeight(first.getWorkingWeight() + same.getWorkingWeight());
    for (int c = 0; c < same.getComponents().size(); ++c) {
        first.getComponents().addElement(same.getComponents().elementAt(c));
    }
    // Each value-giving ingredient behind the shared name keeps its percentage.
    for (int q = 0; q < same.getQuidList().size(); ++q) {
        addQuid(first.getQuidList(), *entryAt(same.getQuidList(), q));
    }
    if (same.isWertgebend() && !first.isWertgebend()) {
        first.setWertgebend(true);
    }
}

// Grown by merging, an entry may outweigh entries before it: in turn, each moves before the first
// earlier one that is strictly lighter.
std::vector<Ingredient*> MealComposer::placeMerged(const std::vector<Ingredient*>& firsts) {
    std::vector<Ingredient*> placed;
    std::vector<double> weights;
    bool ordered = true;
    for (Ingredient* entry : firsts) {
        const double weight = entry->getWorkingWeight();
        const auto notLighter = [weight](double earlier) { return !(earlier < weight); };
        const auto at = ordered ? std::partition_point(weights.begin(), weights.end(), notLighter)
                                : std::find_if_not(weights.begin(), weights.end(), notLighter);
        const auto index = at - weights.begin();
        placed.insert(placed.begin() + index, entry);
        weights.insert(at, weight);
        ordered = ordered && !std::isnan(weight);
    }
    return placed;
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
        group->setWorkingWeight(group->getWorkingWeight() + member->getWorkingWeight());
        insertSorted(group->getComponents(), member);
        entries.removeElementAt(i);
    }
    const JovVector classGroups = groups.elements();
    for (int i = 0; i < classGroups.size(); ++i) {
        insertSorted(entries, entryAt(classGroups, i));
    }
}

void MealComposer::buildTitle() {
    std::vector<std::string> labelNames;
    std::unordered_map<std::string, TitleShare> shares;
    for (int i = 0; i < titleItems.size(); ++i) {
        const Ingredient* item = entryAt(titleItems, i);
        labelNames.push_back(textKey(item->getLabelName()));
        // The percentage covers every title item of the name, and is declared when any of them
        // is value-giving.
        if (isTitlePart(item)) {
            TitleShare& share = shares[labelNames.back()];
            share.weight += item->getWorkingWeight();
            share.valueGiving = share.valueGiving || item->isWertgebend();
        }
    }
    JovStringBuffer withQuid;
    JovStringBuffer plain;
    std::unordered_set<std::string> written;
    for (const char* portionCode : titlePortionOrder) {
        for (int i = 0; i < titleItems.size(); ++i) {
            const Ingredient* item = entryAt(titleItems, i);
            // A designation names each thing once, however many title items carry the name.
            if (!takenInPass(item, portionCode) || !written.insert(labelNames[i]).second) {
                continue;
            }
            if (written.size() > 1) {
                withQuid.append(listSeparator);
                plain.append(listSeparator);
            }
            const JovString labelName = item->getLabelName();
            withQuid.append(labelName).append(titlePercent(shares[labelNames[i]], totalWeight));
            plain.append(labelName);
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
            return " (" + percentText(percent) + parent->getDativePhrase() + ")";
        }
        return " (" + percentText(ofMenu(entry.getAmount())) + ")";
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
            declaration.append(percentText(percent)).append(parent->getDativePhrase());
        } else {
            declaration.append(percentText(ofMenu(quid->getWorkingWeight())));
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
