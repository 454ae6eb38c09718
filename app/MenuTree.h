// The composition tree: the loaded menu, its ingredients and the components of composed
// ingredients; where shares are edited, ingredients removed and the structure saved.
#pragma once

#include "app/AddIngredientDialog.h"
#include "awt/JovTree.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovTreeSelectionListener.h"
#include "lang/JovReference.h"

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

class AbstractMeal;
class CustomersPanel;
class Ingredient;
class JovImageIcon;
class JovPopupMenu;
class MainFrame;
class MealComposer;
class MessagePanel;

class MenuTree : public JovTree,
                 public JovTreeSelectionListener,
                 public JovActionListener,
                 public JovMouseListener,
                 public JovTreeCellRenderer {
public:
    static constexpr const char* rootName = "Alle Zutaten";
    static constexpr const char* selfContainedTitle = "Zutat hinzufügen...";
    static constexpr const char* selfContainedText =
        "Die Zutat '{0}' (Art.-Nr.: {1})\nkann nicht zu sich selbst hinzugefügt werden.";

    MenuTree(MainFrame* frame, CustomersPanel* ingredientPanel, MessagePanel* menuPanel);
    ~MenuTree() override;

    bool isModified() const { return modified; }
    bool isComponentsModified() const { return componentsModified; }
    MealComposer* getComposer() const { return composer.get(); }

    void loadMenu(int id);
    // Removes the loaded menu's nodes, leaving the root alone.
    void removeTopLevelNodes();
    bool hasMenu() const;
    // -1 when no menu is loaded.
    int getLoadedMenuId() const;
    int askToSave(bool explicitly);

    // The menu or ingredient of the selected node; null for the root or no selection.
    AbstractMeal* getSelectedItem() const;
    bool containsChild(const AbstractMeal* item) const;
    // The ids of the selected node's direct ingredients: one look at the tree for a whole table.
    std::unordered_set<int> selectedChildIds() const;
    double remainingShare() const;
    // Whether adding the ingredient under the selected node would make an item contain itself:
    // it is the selected item or one above it, or its stored composition reaches one of them.
    bool wouldContainItself(const Ingredient& ingredient) const;
    // The add dialog's flags for an occurrence placed under the selected node.
    AddIngredientDialog::Place placeUnderSelected(const Ingredient& ingredient) const;

    // An occurrence nobody else holds is deleted when it is not added, as the composer does.
    bool add(Ingredient* occurrence);
    bool remove(const Ingredient& ingredient);
    void refreshIngredient(const Ingredient& ingredient);

    void valueChanged(JovTreeSelectionEvent& event) override;
    void actionPerformed(JovActionEvent& event) override;
    void mouseClicked(JovMouseEvent& event) override;
    void mousePressed(JovMouseEvent& event) override;
    void mouseReleased(JovMouseEvent& event) override;
    void mouseEntered(JovMouseEvent& event) override;
    void mouseExited(JovMouseEvent& event) override;
    JovImage* getNodeImage(JovTree& tree, JovDefaultMutableTreeNode* node) override;

    // The popup menu last opened on the tree, or null; its items act after it closed.
    JovPopupMenu* getPopupMenu() const { return popup.get(); }

    JovString toString() const override;

private:
    JovDefaultMutableTreeNode* menuNode() const;
    // Shows the composer's tree fully expanded with selection selected (the menu's node when it
    // has gone), and recomposes the label texts.
    void showComposition(JovDefaultMutableTreeNode* selection);
    void recompose();
    AddIngredientDialog::Place placeUnder(const JovDefaultMutableTreeNode* parent,
                                          const Ingredient& ingredient) const;
    bool removeFrom(JovDefaultMutableTreeNode* parent, const Ingredient& ingredient);
    // An occurrence under parent was added or edited.
    void markChangedUnder(const JovDefaultMutableTreeNode* parent);
    void editSelected();
    void removeSelected();
    void saveAndReload();
    // Returns the new menu's ID, or 0 when the dialog was cancelled or the menu not stored.
    int saveAs();
    void showPopup(int x, int y);
    void addPopupItem(const char* label, const char* command, bool enabled);

    MainFrame* frame;
    CustomersPanel* ingredientPanel;
    MessagePanel* menuPanel;
    JovReference<MealComposer> composer;
    bool modified = false;
    bool componentsModified = false;
    JovReference<JovPopupMenu> popup;
    // The item pictures by file name, alive as long as the tree may show them.
    std::map<std::string, JovReference<JovImageIcon>> icons;
};
