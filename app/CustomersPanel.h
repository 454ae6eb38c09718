// The tab "Zutaten": the ingredient search bar above the ingredient table, whose check boxes show
// and change the direct components of the item selected in the composition tree.
#pragma once

#include "app/ItemTablePanel.h"
#include "app/PictureCache.h"

#include <vector>

class GageView;
class Ingredient;
class MainFrame;

class CustomersPanel : public ItemTablePanel {
public:
    static constexpr int columnCount = 4;

    CustomersPanel(GageView* labelView, MainFrame* frame);

    void addRow(Ingredient* ingredient, bool checked, bool notify);
    // Refills the table with the ingredients matching the search term.
    void showSearchResult(const JovString& term);
    // Sets every row's check box from the node selected in the composition tree.
    void updateCheckBoxes();
    void removeAllRows() override;

    void stateChanged(ChangeEvent& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    JovImage* getCellImage(JovTable& table, JovObject* value, int row, int column) override;

    JovString toString() const override;

protected:
    void appendFound(ResultSet& found) override;
    void createItem() override;
    void editSelected() override;
    void deleteSelected() override;

private:
    Ingredient* ingredientAt(int row) const;
    // Unsaved changes of the tree are saved or dropped before an ingredient may go away.
    void reloadTreeAfterSaveQuestion();
    // Whether a composed ingredient or a menu has it as a component; throws JovException when
    // the database does not answer.
    bool isUsed(const Ingredient& ingredient) const;
    // Whether the user's tick (or clearing) of row stands.
    bool acceptCheck(int row, bool checked);
    bool addToSelectedItem(const Ingredient& ingredient);

    PictureCache pictures;
    // Each row's ingredient ID: marking the rows after every tree selection reads these instead of
    // unboxing thousands of items.
    std::vector<int> rowIds;
};
