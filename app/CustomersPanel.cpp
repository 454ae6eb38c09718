// The ingredient table: search results, check boxes that add to and remove from the composition of
// the tree's selected item, and the ingredient commands of setup mode.

#include "app/CustomersPanel.h"

#include "app/AddIngredientDialog.h"
#include "app/EditIngredientDialog.h"
#include "app/ItemPopupMenu.h"
#include "app/MainFrame.h"
#include "app/MenuTree.h"
#include "app/PanelDialogs.h"
#include "app/SearchPanel.h"
#include "app/model/ExceptionReport.h"
#include "app/model/Ingredient.h"
#include "app/model/ItemSearch.h"
#include "app/model/ScopedStatement.h"
#include "awt/JovBorderLayout.h"
#include "awt/JovButton.h"
#include "awt/JovImageIcon.h"
#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovTableCheckEvent.h"
#include "lang/JovException.h"
#include "sql/ResultSet.h"

namespace {

constexpr const char* componentName = "Meldungen";
constexpr const char* columnTitles[CustomersPanel::columnCount] = {"Name", "Art.-Nr.", "Klasse",
                                                                   "Verkehrsbezeichnung"};
constexpr int idColumn = 1;

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
    : JovPanel(new JovBorderLayout()), frame(frame), labelView(labelView), columnNames(titles()),
      table(new JovTable(rows, columnNames)), searchPanel(new SearchPanel(frame, false)),
      popupMenu(new ItemPopupMenu(this)) {
    setName(componentName);
    table->setColumnAlignment(idColumn, JovTableColumn::RIGHT);
    table->setCellRenderer(this);
    table->addCheckListener(this);
    table->addMouseListener(this);
    table->addFocusListener(this);
    add(searchPanel, JovString(JovBorderLayout::NORTH));
    add(table, JovString(JovBorderLayout::CENTER));
    JovButton* newButton = getNewButton();
    newButton->setVisible(false);
    newButton->setActionCommand(ItemPopupMenu::newCommand);
    newButton->addActionListener(this);
    frame->setHighestIngredientId(0);
}

JovButton* CustomersPanel::getNewButton() const {
    return searchPanel->getNewButton();
}

void CustomersPanel::requestFocus() {
    table->requestFocus();
}

void CustomersPanel::addRow(Ingredient* ingredient, bool checked, bool notify) {
    auto* row = new JovVector();
    fillRow(*row, ingredient);
    rows.addElement(row);
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

void CustomersPanel::removeAllRows() {
    const int shown = table->getAnnouncedRowCount();
    rows.removeAllElements();
    if (shown > 0) {
        table->rowsDeleted(0, shown - 1);
    }
}

void CustomersPanel::showSearchResult(const JovString& term) {
    removeAllRows();
    try {
        ScopedStatement statement(frame->getConnection());
        ResultSet* found = statement.executeQuery(ItemSearch::ingredientQuery(term));
        while (found != nullptr && found->next()) {
            JovReference<Ingredient> ingredient(
                new Ingredient(*found, 0.0, false, false, false, false, false, nullptr));
            addRow(ingredient.get(), false, false);
        }
    } catch (const JovException& exception) {
        ExceptionReport::toStandardOutput(exception);
    }
    // One notice for all rows, also for those read before a failure.
    if (!rows.isEmpty()) {
        table->rowsInserted(0, rows.size() - 1);
    }
    updateCheckBoxes();
}

void CustomersPanel::updateCheckBoxes() {
    const MenuTree* tree = frame->getMenuTree();
    if (tree == nullptr) {
        return;
    }
    for (int row = 0; row < rows.size(); ++row) {
        table->setChecked(row, tree->containsChild(ingredientAt(row)));
    }
}

void CustomersPanel::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    try {
        if (command == JovString(ItemPopupMenu::newCommand)) {
            createIngredient();
        } else if (command == JovString(ItemPopupMenu::editCommand)) {
            editSelected();
        } else if (command == JovString(ItemPopupMenu::deleteCommand)) {
            deleteSelected();
        }
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
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

void CustomersPanel::valueChanging(JovListSelectionEvent&) {
}

void CustomersPanel::valueChanged(JovListSelectionEvent&) {
}

void CustomersPanel::keyPressed(JovKeyEvent&) {
}

void CustomersPanel::keyReleased(JovKeyEvent&) {
}

void CustomersPanel::keyTyped(JovKeyEvent&) {
}

void CustomersPanel::mouseClicked(JovMouseEvent& event) {
    if (event.getClickCount() != 2 || !MainFrame::isSetupMode() || table->getSelectedRow() < 0) {
        return;
    }
    try {
        editSelected();
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
    }
}

void CustomersPanel::mousePressed(JovMouseEvent& event) {
    showPopupMenu(event);
}

void CustomersPanel::mouseReleased(JovMouseEvent& event) {
    showPopupMenu(event);
}

void CustomersPanel::mouseEntered(JovMouseEvent&) {
}

void CustomersPanel::mouseExited(JovMouseEvent&) {
}

void CustomersPanel::focusGained(JovFocusEvent&) {
    hasFocus = true;
    repaint();
}

void CustomersPanel::focusLost(JovFocusEvent&) {
    hasFocus = false;
    repaint();
}

JovString CustomersPanel::getCellText(JovTable&, JovObject* value, int, int column) {
    if (value == nullptr) {
        return JovString();
    }
    const auto* ingredient = column == 0 ? dynamic_cast<const Ingredient*>(value) : nullptr;
    return ingredient != nullptr ? ingredient->getName() : value->toString();
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
    const auto* cells = static_cast<const JovVector*>(rows.elementAt(row));
    return cells != nullptr ? static_cast<Ingredient*>(cells->elementAt(0)) : nullptr;
}

void CustomersPanel::showPopupMenu(JovMouseEvent& event) {
    if (event.isPopupTrigger() && table->getSelectedRow() >= 0) {
        popupMenu->showAt(table, event.getX(), event.getY());
    }
}

void CustomersPanel::createIngredient() {
    JovString name = searchPanel->getSearchText().trim();
    if (name.length() == 0) {
        name = EditIngredientDialog::placeholder;
    }
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
