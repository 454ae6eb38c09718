// The composition tree panel: shows the composer's tree of the loaded menu, keeps the label texts
// and the menu table in step with it, and runs the editing commands of its popup menu.

#include "app/MenuTree.h"

#include "app/CustomersPanel.h"
#include "app/EditMenuDialog.h"
#include "app/GageView.h"
#include "app/MainFrame.h"
#include "app/MessagePanel.h"
#include "app/PanelDialogs.h"
#include "app/model/CompositionReach.h"
#include "app/model/CompositionRows.h"
#include "app/model/ExceptionReport.h"
#include "app/model/Ingredient.h"
#include "app/model/MealComposer.h"
#include "app/model/Menu.h"
#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovImageIcon.h"
#include "awt/JovMenuItem.h"
#include "awt/JovPopupMenu.h"
#include "awt/JovTable.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovTreeModelEvent.h"
#include "lang/JovException.h"
#include "text/JovMessageFormat.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* className = "tarvelund.main.MenuTree";
constexpr const char* rootPicture = "images/top.bmp";

constexpr const char* editCommand = "edit";
constexpr const char* removeCommand = "remove";
constexpr const char* saveCommand = "save";
constexpr const char* saveAsCommand = "saveAs";

constexpr const char* removeTitle = "Löschen einer Zutat bestätigen...";
constexpr const char* removeText =
    "Sind Sie sicher, dass Sie die Zutat\n\n'{0}' (Art.-Nr.: {1})\n\n"
    "aus {2} '{3}' löschen wollen?";
constexpr const char* fromComposedIngredient = "der zusammengesetzten Zutat";
constexpr const char* fromMenu = "dem Menü";

constexpr const char* saveTitle = "Struktur speichern...";
constexpr const char* scratchSaveText =
    "Sie haben die Zusammenstellung einzelner Zutaten verändert.";
constexpr const char* saveText =
    "Sie haben die Zusammenstellung des Menüs\n'{0}' (Art.-Nr.: {1})\noder von darin "
    "enthaltenen Zutatengruppen verändert.\n\nWollen Sie die Änderungen speichern?";

constexpr double wholeMenuShare = 100.0;
constexpr int noMenuId = -1;

AbstractMeal* itemOf(const JovDefaultMutableTreeNode* node) {
    return node != nullptr ? dynamic_cast<AbstractMeal*>(node->getUserObject()) : nullptr;
}

Ingredient* occurrenceOf(const JovDefaultMutableTreeNode* node) {
    return node != nullptr ? dynamic_cast<Ingredient*>(node->getUserObject()) : nullptr;
}

bool hasChildWithId(const JovDefaultMutableTreeNode* node, int id) {
    for (int index = 0; node != nullptr && index < node->getChildCount(); ++index) {
        const Ingredient* child = occurrenceOf(node->getChildAt(index));
        if (child != nullptr && child->getId() == id) {
            return true;
        }
    }
    return false;
}

// The ingredients from node up to the menu: what may not become a component of any of them.
std::vector<int> ingredientIdsUpFrom(const JovDefaultMutableTreeNode* node) {
    std::vector<int> ids;
    for (; node != nullptr; node = node->getParent()) {
        if (const Ingredient* occurrence = occurrenceOf(node)) {
            ids.push_back(occurrence->getId());
        }
    }
    return ids;
}

// The master data an edited ingredient passes on to its occurrences; amount and share flags
// belong to each occurrence and stay.
void copyMasterData(const Ingredient& edited, Ingredient& occurrence) {
    occurrence.setName(edited.getName());
    occurrence.setVerkehrsbezeichnung(edited.getVerkehrsbezeichnung());
    occurrence.setDativPlural(edited.getString(Ingredient::dativPluralKey));
    occurrence.setPortionValid(edited.isPortionValid());
    occurrence.setPortion(edited.getPortion());
    occurrence.setIngrClassValid(edited.isIngrClassValid());
    occurrence.setIngrClass(edited.getIngrClass());
    occurrence.setFemale(edited.isFemale());
    occurrence.setPlural(edited.isPlural());
    occurrence.setKennzPflichtig(edited.isKennzPflichtig());
    occurrence.setFleischanteil(edited.getFleischanteil());
    occurrence.setFleischanteilAngeben(edited.isFleischanteilAngeben());
}

} // namespace

MenuTree::MenuTree(MainFrame* frame, CustomersPanel* ingredientPanel, MessagePanel* menuPanel)
    : JovTree(new JovDefaultMutableTreeNode(new JovString(rootName))), frame(frame),
      ingredientPanel(ingredientPanel), menuPanel(menuPanel),
      composer(new MealComposer(getRoot(), this, frame)) {
    setCellRenderer(this);
    addTreeSelectionListener(this);
    addMouseListener(this);
}

MenuTree::~MenuTree() = default;

JovDefaultMutableTreeNode* MenuTree::menuNode() const {
    return composer->getRoot();
}

bool MenuTree::hasMenu() const {
    return composer->getMenu() != nullptr;
}

int MenuTree::getLoadedMenuId() const {
    return hasMenu() ? composer->getMenu()->getId() : noMenuId;
}

AbstractMeal* MenuTree::getSelectedItem() const {
    return itemOf(getSelectedNode());
}

void MenuTree::loadMenu(int id) {
    // Loading replaces what is shown: the composer holds one menu at a time.
    if (getRoot()->getChildCount() > 0) {
        removeTopLevelNodes();
    }
    try {
        composer->loadMenu(id);
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
        return;
    }
    if (!hasMenu()) {
        return;
    }
    frame->setTitle(composer->getMenuName());
    showComposition(menuNode());
}

void MenuTree::removeTopLevelNodes() {
    JovDefaultMutableTreeNode* root = getRoot();
    for (int index = root->getChildCount() - 1; index >= 0; --index) {
        JovReference<JovDefaultMutableTreeNode> child(root->getChildAt(index));
        root->remove(index);
        JovTreeModelEvent removed(this, JovTreeModelEvent::TREE_NODES_REMOVED, root, index,
                                  child.get());
        treeNodesRemoved(removed);
    }
    // The composer keeps the menu it loaded; a fresh one starts without.
    composer.reset(new MealComposer(root, this, frame));
}

void MenuTree::showComposition(JovDefaultMutableTreeNode* selection) {
    // Held: the rebuild may move the selection away from it.
    JovReference<JovDefaultMutableTreeNode> kept(selection);
    JovTreeModelEvent changed(this, JovTreeModelEvent::TREE_STRUCTURE_CHANGED, getRoot(), -1,
                              nullptr);
    treeStructureChanged(changed);
    expandAll();
    setSelectedNode(isInTree(selection) ? selection : menuNode());
    recompose();
}

void MenuTree::recompose() {
    try {
        composer->compose();
    } catch (const JovException& exception) {
        // Only storing the designation failed; the texts stand composed and are shown.
        ExceptionReport::toStandardOutput(exception);
    }
    frame->getLabelView()->showComposition(*composer);
    if (menuPanel != nullptr && hasMenu()) {
        menuPanel->showDesignation(getLoadedMenuId(), composer->getMenuDesignation());
    }
}

int MenuTree::askToSave(bool explicitly) {
    const Menu* menu = composer->getMenu();
    if (getRoot()->getChildCount() == 0 || menu == nullptr) {
        return 0;
    }
    const int menuId = menu->getId();
    JovString question;
    if (menuId == Menu::reservedId) {
        if (!explicitly) {
            // The scratch menu keeps nothing: its composition survives only as a new menu.
            const int savedId = saveAs();
            modified = false;
            componentsModified = false;
            return savedId;
        }
        if (!componentsModified) {
            return 0;
        }
        question = scratchSaveText;
    } else {
        question = PanelDialogs::aboutItem(saveText, *menu);
    }
    const bool save = PanelDialogs::confirm(this, question, saveTitle);
    modified = false;
    componentsModified = false;
    if (save) {
        try {
            composer->saveStructure(*menu);
        } catch (const JovException& exception) {
            PanelDialogs::showDatabaseError(this, exception);
        }
    }
    return menuId;
}

bool MenuTree::containsChild(const AbstractMeal* item) const {
    return item != nullptr && hasChildWithId(getSelectedNode(), item->getId());
}

std::unordered_set<int> MenuTree::selectedChildIds() const {
    std::unordered_set<int> ids;
    const JovDefaultMutableTreeNode* selected = getSelectedNode();
    for (int index = 0; selected != nullptr && index < selected->getChildCount(); ++index) {
        if (const Ingredient* child = occurrenceOf(selected->getChildAt(index))) {
            ids.insert(child->getId());
        }
    }
    return ids;
}

double MenuTree::remainingShare() const {
    const JovDefaultMutableTreeNode* node = getSelectedNode();
    const Ingredient* occurrence = occurrenceOf(node);
    if (occurrence == nullptr) {
        return dynamic_cast<const Menu*>(getSelectedItem()) != nullptr ? wholeMenuShare : 0.0;
    }
    double remaining = occurrence->getAmount();
    for (int index = 0; index < node->getChildCount(); ++index) {
        remaining -= itemOf(node->getChildAt(index))->getAmount();
    }
    return remaining > 0.0 ? remaining : 0.0;
}

bool MenuTree::wouldContainItself(const Ingredient& ingredient) const {
    const std::vector<int> above = ingredientIdsUpFrom(getSelectedNode());
    if (above.empty()) {
        return false;
    }
    for (int id : above) {
        if (id == ingredient.getId()) {
            return true;
        }
    }
    CompositionRows rows(frame->getConnection());
    return CompositionReach::reachesAny(rows, ingredient.getId(), above);
}

AddIngredientDialog::Place MenuTree::placeUnderSelected(const Ingredient& ingredient) const {
    return placeUnder(getSelectedNode(), ingredient);
}

AddIngredientDialog::Place MenuTree::placeUnder(const JovDefaultMutableTreeNode* parent,
                                                const Ingredient& ingredient) const {
    const AbstractMeal* item = itemOf(parent);
    CompositionRows rows(frame->getConnection());
    return {item != nullptr && item->hasVariableShares(), !rows.shares(ingredient.getId()).empty(),
            dynamic_cast<const Menu*>(item) != nullptr};
}

bool MenuTree::add(Ingredient* occurrence) {
    // Held for the call, so that an occurrence nobody else holds goes away when it is refused.
    JovReference<Ingredient> held(occurrence);
    JovDefaultMutableTreeNode* node = getSelectedNode();
    if (occurrence == nullptr || node == nullptr || node == getRoot() || !hasMenu()) {
        return false;
    }
    try {
        if (!composer->addIngredient(node, occurrence)) {
            return false;
        }
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
        return false;
    }
    markChangedUnder(node);
    showComposition(node);
    return true;
}

void MenuTree::markChangedUnder(const JovDefaultMutableTreeNode* parent) {
    modified = true;
    if (itemOf(parent) != composer->getMenu()) {
        componentsModified = true;
    }
}

bool MenuTree::remove(const Ingredient& ingredient) {
    return removeFrom(getSelectedNode(), ingredient);
}

bool MenuTree::removeFrom(JovDefaultMutableTreeNode* parent, const Ingredient& ingredient) {
    const AbstractMeal* item = itemOf(parent);
    if (item == nullptr || !hasChildWithId(parent, ingredient.getId())) {
        return false;
    }
    const JovString arguments[] = {
        ingredient.getName(), JovString::valueOf(ingredient.getId()),
        occurrenceOf(parent) != nullptr ? fromComposedIngredient : fromMenu, item->getName()};
    if (!PanelDialogs::confirm(this, JovMessageFormat::format(removeText, arguments, 4),
                               removeTitle) ||
        !composer->removeIngredient(parent, ingredient.getId())) {
        return false;
    }
    modified = true;
    componentsModified = true;
    showComposition(getSelectedNode());
    return true;
}

void MenuTree::refreshIngredient(const Ingredient& ingredient) {
    std::vector<JovDefaultMutableTreeNode*> pending{getRoot()};
    while (!pending.empty()) {
        JovDefaultMutableTreeNode* node = pending.back();
        pending.pop_back();
        for (int index = 0; index < node->getChildCount(); ++index) {
            pending.push_back(node->getChildAt(index));
        }
        Ingredient* occurrence = occurrenceOf(node);
        if (occurrence == nullptr || occurrence->getId() != ingredient.getId()) {
            continue;
        }
        copyMasterData(ingredient, *occurrence);
        JovDefaultMutableTreeNode* parent = node->getParent();
        JovTreeModelEvent changed(this, JovTreeModelEvent::TREE_NODES_CHANGED, parent,
                                  parent->getIndex(node), node);
        treeNodesChanged(changed);
    }
    recompose();
}

void MenuTree::valueChanged(JovTreeSelectionEvent&) {
    if (ingredientPanel != nullptr) {
        ingredientPanel->updateCheckBoxes();
    }
}

void MenuTree::actionPerformed(JovActionEvent& event) {
    const JovString& command = event.getActionCommand();
    if (command == editCommand) {
        editSelected();
    } else if (command == removeCommand) {
        removeSelected();
    } else if (command == saveCommand) {
        saveAndReload();
    } else if (command == saveAsCommand) {
        saveAs();
    }
}

void MenuTree::editSelected() {
    JovDefaultMutableTreeNode* node = getSelectedNode();
    Ingredient* occurrence = occurrenceOf(node);
    if (occurrence == nullptr) {
        return;
    }
    auto* dialog = new AddIngredientDialog(frame, occurrence, false,
                                           placeUnder(node->getParent(), *occurrence));
    dialog->show();
    const bool confirmed = dialog->isConfirmed();
    dialog->dispose();
    if (!confirmed) {
        return;
    }
    composer->markCompositionEdited(node->getParent());
    // Marked like an added occurrence, so the edit is offered for saving instead of being lost.
    markChangedUnder(node->getParent());
    showComposition(node);
}

void MenuTree::removeSelected() {
    JovDefaultMutableTreeNode* node = getSelectedNode();
    Ingredient* occurrence = occurrenceOf(node);
    if (occurrence == nullptr) {
        return;
    }
    // Held: the occurrence is still read after its node has gone.
    JovReference<Ingredient> held(occurrence);
    removeFrom(node->getParent(), *occurrence);
    if (ingredientPanel != nullptr) {
        ingredientPanel->updateCheckBoxes();
    }
}

void MenuTree::saveAndReload() {
    const int menuId = getLoadedMenuId();
    askToSave(true);
    if (menuId == noMenuId) {
        return;
    }
    removeTopLevelNodes();
    loadMenu(menuId);
}

int MenuTree::saveAs() {
    const int newId = frame->getHighestMenuId() + 1;
    frame->setHighestMenuId(newId);
    JovReference<Menu> menu(new Menu(EditMenuDialog::placeholder, newId));
    auto* dialog = new EditMenuDialog(frame, menu.get(), true, frame);
    dialog->show();
    const bool confirmed = dialog->isConfirmed();
    dialog->dispose();
    if (!confirmed) {
        frame->setHighestMenuId(newId - 1);
        return 0;
    }
    try {
        menu->insert(frame->getConnection());
    } catch (const JovException& exception) {
        frame->setHighestMenuId(newId - 1);
        PanelDialogs::showDatabaseError(this, exception);
        return 0;
    }
    menuPanel->addRow(menu.get());
    try {
        composer->saveStructureAs(menu->getId());
    } catch (const JovException& exception) {
        PanelDialogs::showDatabaseError(this, exception);
        return 0;
    }
    // What is shown is stored now; ticking the new row must not ask again.
    modified = false;
    componentsModified = false;
    menuPanel->tickRow(menuPanel->getTable()->getRowCount() - 1);
    return menu->getId();
}

void MenuTree::mouseClicked(JovMouseEvent&) {
}

void MenuTree::mousePressed(JovMouseEvent& event) {
    if (event.isPopupTrigger()) {
        showPopup(event.getX(), event.getY());
    }
}

void MenuTree::mouseReleased(JovMouseEvent& event) {
    if (event.isPopupTrigger()) {
        showPopup(event.getX(), event.getY());
    }
}

void MenuTree::mouseEntered(JovMouseEvent&) {
}

void MenuTree::mouseExited(JovMouseEvent&) {
}

void MenuTree::showPopup(int x, int y) {
    const bool setupMode = MainFrame::isSetupMode();
    const bool onOccurrence = setupMode && occurrenceOf(getSelectedNode()) != nullptr;
    popup.reset(new JovPopupMenu);
    addPopupItem("&Bearbeiten", editCommand, onOccurrence);
    addPopupItem("&Löschen", removeCommand, onOccurrence);
    popup->addSeparator();
    addPopupItem("&Struktur speichern", saveCommand, setupMode && componentsModified);
    addPopupItem("&Menü speichern unter...", saveAsCommand, setupMode);
    // Kept after it closed: the chosen item's action arrives afterwards.
    popup->show(this, x, y);
}

void MenuTree::addPopupItem(const char* label, const char* command, bool enabled) {
    JovMenuItem* item = popup->add(JovString(label));
    item->setActionCommand(command);
    item->setEnabled(enabled);
    item->addActionListener(this);
}

JovImage* MenuTree::getNodeImage(JovTree&, JovDefaultMutableTreeNode* node) {
    const AbstractMeal* item = itemOf(node);
    JovReference<JovImageIcon> loaded(item != nullptr ? item->getIcon()
                                                      : new JovImageIcon(rootPicture));
    if (loaded.get() == nullptr) {
        return nullptr;
    }
    const JovString& fileName = loaded->getDescription();
    auto known = icons.find(std::string(fileName.chars(), fileName.length()));
    if (known == icons.end()) {
        known = icons.emplace(std::string(fileName.chars(), fileName.length()), loaded).first;
    }
    return known->second->getImage();
}

JovString MenuTree::toString() const {
    return className;
}
