// A window showing every widget of the toolkit with German sample content: a menu bar, the
// composition tree of a menu with its flag pictures, tabs "Zutaten" and "Menüs" with tables of
// ingredients and menus, a split pane between tree and tabs, and buttons, fields and choices.
#pragma once

#include "ClosingFrame.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/JovTreeCellRenderer.h"
#include "util/JovVector.h"

#include <utility>
#include <vector>

class JovDefaultMutableTreeNode;
class JovImageIcon;
class JovPanel;
class JovTable;
class JovTree;

class WidgetGallery : public ClosingFrame, public JovTableCellRenderer, public JovTreeCellRenderer {
public:
    WidgetGallery();
    ~WidgetGallery() override;

    // Shows the window with the tree focused, so its selected node is marked.
    void show() override;

    JovString getCellText(JovTable& table, JovObject* value, int row, int column) override;
    JovImage* getCellImage(JovTable& table, JovObject* value, int row, int column) override;
    JovImage* getNodeImage(JovTree& tree, JovDefaultMutableTreeNode* node) override;

    JovString toString() const override;

private:
    JovImageIcon* icon(const char* fileName);
    JovDefaultMutableTreeNode* node(JovDefaultMutableTreeNode* parent, const char* label,
                                    const char* picture);
    void addIngredient(const char* name, const char* id, const char* additiveClass,
                       const char* designation, const char* picture);
    void addMenu(const char* name, const char* id, const char* designation, const char* picture);
    void buildMenuBar();
    JovTree* buildTree();
    JovPanel* buildIngredientPage();
    JovPanel* buildMenuPage();
    JovPanel* buildButtonRow();

    // The pictures, held for the whole run; rows and nodes point into them.
    JovVector icons;
    JovVector ingredientRows;
    JovVector menuRows;
    std::vector<JovImageIcon*> ingredientPictures;
    std::vector<JovImageIcon*> menuPictures;
    std::vector<std::pair<const JovDefaultMutableTreeNode*, JovImageIcon*>> nodePictures;
    JovDefaultMutableTreeNode* root;
    JovTree* tree;
    JovTable* ingredientTable;
    JovTable* menuTable;
};
