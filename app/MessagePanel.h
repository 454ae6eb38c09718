// The tab "Menüs": the menu search bar above the menu table, whose one ticked row is the menu
// loaded into the composition tree.
#pragma once

#include "app/ItemTablePanel.h"
#include "app/PictureCache.h"

class GageView;
class MainFrame;
class Menu;

class MessagePanel : public ItemTablePanel {
public:
    static constexpr int columnCount = 3;

    MessagePanel(MainFrame* frame, GageView* labelView);

    void addRow(Menu* menu);
    void insertRow(Menu* menu, int index);
    void removeRow(int index);
    void removeAllRows() override;
    // Loads the row's menu into the composition tree and moves the tick to it; does nothing when
    // the row does not exist.
    void tickRow(int row);
    int getTickedRow() const { return tickedRow; }
    int getTickedMenuId() const { return tickedMenuId; }
    // Puts the composer's designation into the loaded menu's row.
    void showDesignation(int menuId, const JovString& designation);
    // Refills the table with the menus matching the search term.
    void showSearchResult(const JovString& term);

    void stateChanged(ChangeEvent& event) override;
    JovImage* getCellImage(JovTable& table, JovObject* value, int row, int column) override;

    JovString toString() const override;

protected:
    void appendFound(ResultSet& found) override;
    void createItem() override;
    void editSelected() override;
    void deleteSelected() override;
    // The reserved menu 0 has no editor.
    bool isEditable(int row) const override;

private:
    Menu* menuAt(int row) const;
    // The row of the menu, the ticked row looked at first; -1 when it is not listed.
    int rowOfMenu(int menuId) const;
    // Appends without telling the view, which hears of a whole search result at once.
    void appendSilently(Menu* menu);
    void raiseHighestMenuId(const Menu& menu);
    // The row of the loaded menu gets the tick, wherever a refill put it.
    void markIfLoaded(int row);
    // Deletes the row's menu; after a deleted ticked menu the first remaining row is loaded.
    // False when the database refused (shown to the user).
    bool deleteRow(int row);

    int tickedRow = -1;
    int tickedMenuId = -1;
    PictureCache pictures;
};
