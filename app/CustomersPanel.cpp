// The ingredient table: search results, check boxes that add to and remove from the composition of
// the tree's selected item, and the ingredient commands of setup mode.

#include "app/CustomersPanel.h"

#include "app/AddIngredientDialog.h"
#include "app/EditIngredientDialog.h"
#include "app/MainFrame.h"
#include "app/MenuTree.h"
#include "app/PanelDialogs.h"
#include "app/model/Ingredient.h"
#include "app/model/ItemSearch.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovImageIcon.h"
#include "awt/JovTable.h"
#include "awt/event/JovTableCheckEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"

#include <unordered_set>

namespace {

constexpr const char* columnTitles[CustomersPanel::columnCount] = {"Name", "Art.-Nr.", "Klasse",
                                                                   "Verkehrsbezeichnung"};

constexpr const char* usedTitle = "Zutat wird verwendet...";
constexpr const char* usedText = "Die Zutat '{0}' (Art.-Nr.: {1})\nkann nicht gelöscht werden, "
                                 "solange sie\nin einem Menü oder einer zusammengesetzten "
                                 "Zutat\nenthalten ist.";
constexpr const char* deleteTitle = "Löschen einer Zutat bestätigen...";
constexpr const char* deleteText = "Sind Sie sicher, dass Sie die Zutat\n\n'{0}' (Art.-Nr.: "
                                   "{1})\n\nunwiderruflich löschen wollen?";
constexpr const char* addingTitle = MenuTree::selfContainedTitle;
constexpr const char* noTargetText =
    "Sie können Zutaten nur zu Menüs oder Zutaten hinzufügen.\nBitte wählen Sie das Menü oder "
    "eine Zutat im Baumdiagramm aus.";
// A failed look-up must not read as "not used": the ingredient would be deleted.
constexpr const char* lookupRefusedText = "Die Datenbank hat die Abfrage abgelehnt.";
// Where an ingredient is a component: of composed ingredients, of menus.
constexpr const char* componentTables[] = {"Anteile", "Mengen"};

JovVector titles() {
    JovVector names;
    for (const char* title : columnTitles) {
        names.addElement(title);
    }
    return names;
}

// Occurrence values and parent as they are: the copy constructor would fill in the sales name.
Ingredient* exactCopy(const Ingredient& ingredient) {
    return new Ingredient(ingredient, ingredient.getAmount(), ingredient.isMengeAngeben(),
                          ingredient.isWertgebend(), ingredient.isMengeAufMenueBeziehen(),
                          ingredient.isImTitel(), ingredient.isVeraenderlicheAnteile(),
                          ingredient.getParent());
}

void fillRow(JovVector& row, Ingredient* ingredient) {
    row.removeAllElements();
    row.addElement(ingredient);
    row.addElement(JovString::valueOf(ingredient->getId()));
    row.addElement(ingredient->isIngrClassValid() ? ingredient->getIngrClass() : JovString());
    row.addElement(ingredient->getVerkehrsbezeichnung());
}

} // namespace

CustomersPanel::CustomersPanel(GageView* labelView, MainFrame* frame)
    : ItemTablePanel(frame, labelView, titles(), false) {
    table->addFocusListener(this);
    frame->setHighestIngredientId(0);
}

void CustomersPanel::addRow(Ingredient* ingredient, bool checked, bool notify) {
    auto* row = new JovVector();
    fillRow(*row, ingredient);
    rows.addElement(row);
    rowIds.push_back(ingredient->getId());
    if (ingredient->getId() > frame->getHighestIngredientId()) {
        frame->setHighestIngredientId(ingredient->getId());
    }
    const int last = rows.size() - 1;
    if (notify) {
        table->rowsInserted(last, last);
    }
    // New rows start clear: a refill of many rows sets no mark it does not need.
    if (checked) {
        table->setChecked(last, true);
    }
}

void CustomersPanel::showSearchResult(const JovString& term) {
    refill(ItemSearch::ingredientQuery(term));
    updateCheckBoxes();
}

void CustomersPanel::updateCheckBoxes() {
    const MenuTree* tree = frame->getMenuTree();
    if (tree == nullptr) {
        return;
    }
    const std::unordered_set<int> children = tree->selectedChildIds();
    for (std::size_t row = 0; row < rowIds.size(); ++row) {
        table->setChecked(static_cast<int>(row), children.count(rowIds[row]) > 0);
    }
}

void CustomersPanel::removeAllRows() {
    ItemTablePanel::removeAllRows();
    rowIds.clear();
}

void CustomersPanel::stateChanged(ChangeEvent& event) {
    auto* check = dynamic_cast<JovTableCheckEvent*>(&event);
    if (check == nullptr) {
        return;
    }
    bool accepted = false;
    try {
        accepted = acceptCheck(check->getRow(), check->isChecked());
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
    if (!accepted) {
        check->consume();
    }
}

void CustomersPanel::focusGained(JovFocusEvent&) {
    repaint();
}

void CustomersPanel::focusLost(JovFocusEvent&) {
    repaint();
}

JovImage* CustomersPanel::getCellImage(JovTable&, JovObject* value, int, int) {
    const auto* ingredient = dynamic_cast<const Ingredient*>(value);
    if (ingredient == nullptr) {
        return nullptr;
    }
    // The picture shows the portion kind, so that is all the cache has to tell apart.
    const JovString kind = ingredient->isPortionValid() ? ingredient->getPortion() : JovString();
    return pictures.imageFor(kind.chars(), [ingredient] { return ingredient->getPortionIcon(); });
}

JovString CustomersPanel::toString() const {
    return "tarvelund.main.CustomersPanel";
}

Ingredient* CustomersPanel::ingredientAt(int row) const {
    return static_cast<Ingredient*>(itemAt(row));
}

void CustomersPanel::appendFound(ResultSet& found) {
    JovReference<Ingredient> ingredient(
        new Ingredient(found, 0.0, false, false, false, false, false, nullptr));
    addRow(ingredient.get(), false, false);
}

void CustomersPanel::createItem() {
    const JovString name = newItemName(EditIngredientDialog::placeholder);
    const int highestBefore = frame->getHighestIngredientId();
    JovReference<Ingredient> ingredient(new Ingredient(name, highestBefore + 1));
    frame->setHighestIngredientId(highestBefore + 1);
    if (!PanelDialogs::confirmed(new EditIngredientDialog(frame, ingredient.get(), true, frame)) ||
        !PanelDialogs::stored(this, *ingredient, true, frame->getConnection())) {
        frame->setHighestIngredientId(highestBefore);
        return;
    }
    addRow(ingredient.get(), false, true);
}

void CustomersPanel::editSelected() {
    const int row = table->getSelectedRow();
    if (row < 0) {
        return;
    }
    // Edited on a copy, so a refused write leaves the row as it was.
    JovReference<Ingredient> edited(exactCopy(*ingredientAt(row)));
    if (!PanelDialogs::confirmed(new EditIngredientDialog(frame, edited.get(), false, frame)) ||
        !PanelDialogs::stored(this, *edited, false, frame->getConnection())) {
        return;
    }
    fillRow(*static_cast<JovVector*>(rows.elementAt(row)), edited.get());
    rowIds[row] = edited->getId();
    table->rowsChanged(row, row);
    MenuTree* tree = frame->getMenuTree();
    if (tree->hasMenu()) {
        tree->refreshIngredient(*edited);
    }
}

void CustomersPanel::deleteSelected() {
    reloadTreeAfterSaveQuestion();
    const int row = table->getSelectedRow();
    if (row < 0) {
        return;
    }
    // Held while its row goes away.
    JovReference<Ingredient> held(ingredientAt(row));
    const Ingredient& ingredient = *held;
    if (isUsed(ingredient)) {
        PanelDialogs::inform(this, PanelDialogs::aboutItem(usedText, ingredient), usedTitle);
        return;
    }
    if (!PanelDialogs::confirm(this, PanelDialogs::aboutItem(deleteText, ingredient),
                               deleteTitle)) {
        return;
    }
    ingredient.remove(frame->getConnection());
    // The next new ingredient gets the number back.
    if (ingredient.getId() == frame->getHighestIngredientId()) {
        frame->setHighestIngredientId(ingredient.getId() - 1);
    }
    rows.removeElementAt(row);
    rowIds.erase(rowIds.begin() + row);
    table->rowsDeleted(row, row);
}

void CustomersPanel::reloadTreeAfterSaveQuestion() {
    MenuTree* tree = frame->getMenuTree();
    if (!tree->isModified()) {
        return;
    }
    const int menuId = tree->askToSave(false);
    tree->removeTopLevelNodes();
    tree->loadMenu(menuId);
}

bool CustomersPanel::isUsed(const Ingredient& ingredient) const {
    for (const char* table : componentTables) {
        ScopedStatement statement(frame->getConnection());
        ResultSet* uses =
            statement.executeQuery(JovString("SELECT * FROM ") + table +
                                   " WHERE Kind = " + JovString::valueOf(ingredient.getId()) + ";");
        if (uses == nullptr) {
            throw JovException(lookupRefusedText);
        }
        if (uses->next()) {
            return true;
        }
    }
    return false;
}

bool CustomersPanel::acceptCheck(int row, bool checked) {
    Ingredient* ingredient = ingredientAt(row);
    if (!MainFrame::isSetupMode() || ingredient == nullptr) {
        return false;
    }
    if (!checked) {
        return frame->getMenuTree()->remove(*ingredient);
    }
    return addToSelectedItem(*ingredient);
}

bool CustomersPanel::addToSelectedItem(const Ingredient& ingredient) {
    MenuTree* tree = frame->getMenuTree();
    if (tree->getSelectedItem() == nullptr) {
        PanelDialogs::inform(this, noTargetText, addingTitle);
        return false;
    }
    if (tree->wouldContainItself(ingredient)) {
        PanelDialogs::inform(this, PanelDialogs::aboutItem(MenuTree::selfContainedText, ingredient),
                             MenuTree::selfContainedTitle);
        return false;
    }
    JovReference<Ingredient> occurrence(new Ingredient(ingredient));
    auto* dialog = new AddIngredientDialog(frame, occurrence.get(), true,
                                           tree->placeUnderSelected(ingredient));
    return PanelDialogs::confirmed(dialog) && tree->add(occurrence.get());
}
