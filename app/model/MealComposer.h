// The composition of one menu as a tree of occurrences: loaded from the tables Mengen and
// Anteile, edited by the composition tree, weighed and written back, and turned into the texts
// of the food label (designation, ingredient list, fill quantity, meat content).
#pragma once

#include "app/model/CompositionRows.h"
#include "lang/JovObject.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"
#include "lang/JovStringBuffer.h"
#include "util/JovHashtable.h"
#include "util/JovVector.h"

#include <map>
#include <unordered_map>
#include <vector>

class AbstractMeal;
class Connection;
class ConnectionOwner;
class Ingredient;
class JovDefaultMutableTreeNode;
class JovTreeModelListener;
class Menu;

class MealComposer : public JovObject {
public:
    // The loaded menu's node becomes the last child of modelRoot, which is held by a counted
    // reference; listener (the tree showing the model, may be null) hears of every node
    // inserted or removed.
    MealComposer(JovDefaultMutableTreeNode* modelRoot, JovTreeModelListener* listener,
                 ConnectionOwner* owner);
    MealComposer(const MealComposer&) = delete;
    MealComposer& operator=(const MealComposer&) = delete;
    ~MealComposer() override;

    // Loads the menu row and its composition at every depth; an unknown ID loads nothing. An
    // occurrence of an ingredient that already stands above it is left out, so a composition
    // stored as containing itself still loads. A composition deeper or larger than
    // CompositionMeasure allows is not loaded: JovException with a German message naming the
    // menu, and nothing of it stays in the tree.
    void loadMenu(int menuId);
    // The same, reading through rows that outlive the load: for a run that loads many menus and
    // changes no composition meanwhile.
    void loadMenu(int menuId, CompositionRows& rows);
    // Puts occurrence (amount and flags set) under node, after the children of equal or greater
    // amount, and loads its stored components. Nothing happens when node already has a child of
    // that ingredient, when the ingredient is node's own or one above it, or when it has no
    // Zutaten row. A fresh occurrence that is not added is deleted. An ingredient whose stored
    // composition is too deep or too large is refused with JovException (a German message).
    bool addIngredient(JovDefaultMutableTreeNode* node, Ingredient* occurrence);
    // Removes the first child of node whose ingredient has the ID, with its subtree.
    bool removeIngredient(JovDefaultMutableTreeNode* node, int ingredientId);
    // Tells that the components under node were edited (amount or flags), so that saving writes
    // the composed ingredient's shares from this occurrence; adding and removing tell it anyway.
    void markCompositionEdited(const JovDefaultMutableTreeNode* node);
    // Rewrites the menu's Mengen rows (none for the reserved menu 0) and the Anteile rows of
    // every composed ingredient in the tree, each once. All in one transaction: a refused write
    // throws JovException with the driver's diagnostic and leaves the stored rows as they were.
    void saveStructure(const Menu& menu);
    // Writes Mengen rows under the new ID, deleting none, and rewrites the Anteile rows; stored
    // whole or not at all, as saveStructure.
    void saveStructureAs(int newMenuId);
    // Computes the meat content, the total weight and every label text, and stores the
    // designation with the menu. When the database refuses the designation, the texts stand
    // composed and JovException with the driver's diagnostic is thrown.
    void compose();

    // The weight an occurrence is saved with: its own amount, or with "mengeAngeben" unset the
    // sum of its components' weights.
    static double weightOf(const JovDefaultMutableTreeNode* node);

    JovDefaultMutableTreeNode* getRoot() const { return root.get(); }
    // The loaded menu, or null.
    Menu* getMenu() const;
    const JovString& getMenuName() const { return menuName; }
    double getTotalWeight() const { return totalWeight; }
    int getMeatContent() const { return meatContent; }
    // The occurrences flagged for the title, in the order of the last composition's walk.
    const JovVector& getTitleItems() const { return titleItems; }
    const JovString& getSweetenerNote() const { return sweetenerNote; }
    const JovString& getTitleWithQuid() const { return titleWithQuid; }
    const JovString& getMenuDesignation() const { return menuDesignation; }
    JovString getIngredientList() const;
    // The total weight with "%G" and " g".
    JovString getFillQuantityText() const;
    // "Fleischlos" without declared meat, "< 1 g" for meat that rounds to nothing, else the meat
    // content and " g".
    JovString getMeatText() const;

    JovString toString() const override;

private:
    // The occurrence that writes each composed ingredient's Anteile rows, by ingredient ID.
    using ShareWriters = std::map<int, const JovDefaultMutableTreeNode*>;

    Connection* connection() const;
    // How many levels node stands below the menu's node.
    int depthOf(const JovDefaultMutableTreeNode* node) const;
    void loadFillQuantities(int menuId, CompositionRows& rows);
    void loadOccurrence(JovDefaultMutableTreeNode* parent,
                        const CompositionRows::ShareRow& shareRow, double amount, int depth,
                        CompositionRows& rows);
    void loadComponents(JovDefaultMutableTreeNode* node, int ingredientId, double factor, int depth,
                        CompositionRows& rows);
    void insertNode(JovDefaultMutableTreeNode* parent, JovDefaultMutableTreeNode* child, int index);
    void removeNode(JovDefaultMutableTreeNode* parent, int index);
    bool addHeldOccurrence(JovDefaultMutableTreeNode* node, Ingredient* occurrence);
    void saveComponents(int menuId, bool withFillQuantities);
    ShareWriters shareWriters() const;
    void insertFillQuantity(int menuId, const JovDefaultMutableTreeNode* node, double weight);
    void saveShares(const JovDefaultMutableTreeNode* node, double weight,
                    const ShareWriters& writers);
    void insertShare(const JovString& parentId, const Ingredient* child, double share);

    double computeTotalWeight() const;
    double computeMeatWeight(const JovDefaultMutableTreeNode* node) const;

    // What flatten knows of a list it fills: its entries by ingredient ID (one each), and whether
    // its weights still descend, so that places are found by halving (a NaN weight ends that).
    struct FlatList {
        std::unordered_map<int, Ingredient*> byId;
        bool ordered = true;
    };

    void flatten(const JovDefaultMutableTreeNode* node, JovVector& entries);
    static Ingredient* placeEntry(FlatList& list, JovVector& entries, const Ingredient& occurrence);
    static void insertPlaced(FlatList& list, JovVector& entries, Ingredient* entry);
    static int indexOfPlaced(const FlatList& list, const JovVector& entries,
                             const Ingredient* entry);
    void mergeByName(JovVector& entries);
    static void mergeInto(Ingredient& first, Ingredient& same);
    static std::vector<Ingredient*> placeMerged(const std::vector<Ingredient*>& firsts);
    void groupByClass(JovVector& entries);
    void buildTitle();
    void writeIngredientList(const JovVector& entries, JovStringBuffer& text) const;
    JovString quidDeclaration(Ingredient& entry) const;
    // The weight a percentage of an item is taken of: the total weight for the menu.
    double amountOf(const AbstractMeal* item) const;
    void storeDesignation();

    JovReference<JovDefaultMutableTreeNode> modelRoot;
    JovTreeModelListener* listener;
    ConnectionOwner* owner;
    JovReference<JovDefaultMutableTreeNode> root;
    JovString menuName;
    double totalWeight;
    double meatWeight;
    int meatContent;
    JovVector titleItems;
    JovString sweetenerNote;
    JovString titleWithQuid;
    JovString menuDesignation;
    JovStringBuffer ingredientList;
    // The occurrence last edited per composed ingredient, keyed by its ID as text.
    JovHashtable editedOccurrences;
    long loadedOccurrences = 0;
    // The lists of one flatten, by address; empty between compositions.
    std::unordered_map<const JovVector*, FlatList> flatLists;
};
