// The composition tree: the loaded menu, its ingredients and the components of composed
// ingredients; where shares are edited, ingredients removed and the structure saved.
#pragma once

#include "app/AddIngredientDialog.h"
#include "awt/JovTree.h"
#include "awt/JovTreeCellRenderer.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovMouseListener.h"
#include "awt/event/JovTreeSelectionListener.h"

class AbstractMeal;
class CustomersPanel;
class Ingredient;
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
    MealComposer* getComposer() const { return composer; }

    void loadMenu(int id);
    // Removes the loaded menu's nodes, leaving the root alone.
    void removeTopLevelNodes();
    bool hasMenu() const;
    int getLoadedMenuId() const;
    int askToSave(bool explicitly);

    // The menu or ingredient of the selected node; null for the root or no selection.
    AbstractMeal* getSelectedItem() const;
    bool containsChild(const AbstractMeal* item) const;
    double remainingShare() const;
    // Whether adding the ingredient under the selected node would make an item contain itself:
    // it is the selected item or one above it, or its stored composition reaches one of them.
    bool wouldContainItself(const Ingredient& ingredient) const;
    // The add dialog's flags for an occurrence placed under the selected node.
    AddIngredientDialog::Place placeUnderSelected(const Ingredient& ingredient) const;

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

    JovString toString() const override;

private:
    MainFrame* frame;
    CustomersPanel* ingredientPanel;
    MessagePanel* menuPanel;
    MealComposer* composer;
    bool modified = false;
    bool componentsModified = false;
};
