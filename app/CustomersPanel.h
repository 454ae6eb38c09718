// The tab "Zutaten": the ingredient search bar above the ingredient table, whose check boxes show
// and change the direct components of the item selected in the composition tree.
#pragma once

#include "app/ItemPopupMenu.h"
#include "app/PictureCache.h"
#include "awt/JovPanel.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovFocusListener.h"
#include "awt/event/JovKeyListener.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseListener.h"
#include "util/JovVector.h"

class GageView;
class Ingredient;
class JovButton;
class JovTable;
class MainFrame;
class SearchPanel;

class CustomersPanel : public JovPanel,
                       public JovTableCellRenderer,
                       public JovKeyListener,
                       public JovActionListener,
                       public JovMouseListener,
                       public JovFocusListener,
                       public JovListSelectionListener,
                       public ChangeListener {
public:
    static constexpr int columnCount = 4;

    CustomersPanel(GageView* labelView, MainFrame* frame);

    JovTable* getTable() const { return table; }
    SearchPanel* getSearchPanel() const { return searchPanel; }
    JovButton* getNewButton() const;
    void requestFocus() override;

    void addRow(Ingredient* ingredient, bool checked, bool notify);
    void removeAllRows();
    // Refills the table with the ingredients matching the search term.
    void showSearchResult(const JovString& term);
    // Sets every row's check box from the node selected in the composition tree.
    void updateCheckBoxes();

    void actionPerformed(JovActionEvent& event) override;
    void stateChanged(ChangeEvent& event) override;
    void valueChanging(JovListSelectionEvent& event) override;
    void valueChanged(JovListSelectionEvent& event) override;
    void keyPressed(JovKeyEvent& event) override;
    void keyReleased(JovKeyEvent& event) override;
    void keyTyped(JovKeyEvent& event) override;
    void mouseClicked(JovMouseEvent& event) override;
    void mousePressed(JovMouseEvent& event) override;
    void mouseReleased(JovMouseEvent& event) override;
    void mouseEntered(JovMouseEvent& event) override;
    void mouseExited(JovMouseEvent& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    JovString getCellText(JovTable& table, JovObject* value, int row, int column) override;
    JovImage* getCellImage(JovTable& table, JovObject* value, int row, int column) override;

    JovString toString() const override;

private:
    Ingredient* ingredientAt(int row) const;
    void showPopupMenu(JovMouseEvent& event);
    void createIngredient();
    void editSelected();
    void deleteSelected();
    // Unsaved changes of the tree are saved or dropped before an ingredient may go away.
    void reloadTreeAfterSaveQuestion();
    // Whether a composed ingredient or a menu has it as a component; throws JovException when
    // the database does not answer.
    bool isUsed(const Ingredient& ingredient) const;
    // Whether the user's tick (or clearing) of row stands.
    bool acceptCheck(int row, bool checked);
    bool addToSelectedItem(const Ingredient& ingredient);

    MainFrame* frame;
    GageView* labelView;
    JovVector columnNames;
    JovVector rows;
    JovTable* table;
    SearchPanel* searchPanel;
    bool hasFocus = false;
    // Kept: a chosen entry acts only after the menu closed.
    JovReference<ItemPopupMenu> popupMenu;
    PictureCache pictures;
};
