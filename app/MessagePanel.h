// The tab "Menüs": the menu search bar above the menu table, whose one ticked row is the menu
// loaded into the composition tree.
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
class JovButton;
class JovTable;
class MainFrame;
class Menu;
class SearchPanel;

class MessagePanel : public JovPanel,
                     public JovTableCellRenderer,
                     public JovKeyListener,
                     public JovActionListener,
                     public JovMouseListener,
                     public JovFocusListener,
                     public JovListSelectionListener,
                     public ChangeListener {
public:
    static constexpr int columnCount = 3;

    MessagePanel(MainFrame* frame, GageView* labelView);

    JovTable* getTable() const { return table; }
    SearchPanel* getSearchPanel() const { return searchPanel; }
    JovButton* getNewButton() const;
    void requestFocus() override;

    void addRow(Menu* menu);
    void insertRow(Menu* menu, int index);
    void removeRow(int index);
    void removeAllRows();
    // Loads the row's menu into the composition tree and moves the tick to it; does nothing when
    // the row does not exist.
    void tickRow(int row);
    int getTickedRow() const { return tickedRow; }
    int getTickedMenuId() const { return tickedMenuId; }
    // Puts the composer's designation into the loaded menu's row.
    void showDesignation(int menuId, const JovString& designation);
    // Refills the table with the menus matching the search term.
    void showSearchResult(const JovString& term);

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
    Menu* menuAt(int row) const;
    // The row of the menu, the ticked row looked at first; -1 when it is not listed.
    int rowOfMenu(int menuId) const;
    // Appends without telling the view, which hears of a whole search result at once.
    void appendSilently(Menu* menu);
    void raiseHighestMenuId(const Menu& menu);
    // The row of the loaded menu gets the tick, wherever a refill put it.
    void markIfLoaded(int row);
    void showPopupMenu(JovMouseEvent& event);
    void createMenu();
    void editSelected();
    void deleteSelected();
    // Deletes the row's menu; after a deleted ticked menu the first remaining row is loaded.
    // False when the database refused (shown to the user).
    bool deleteRow(int row);

    MainFrame* frame;
    GageView* labelView;
    JovVector columnNames;
    JovVector rows;
    JovTable* table;
    SearchPanel* searchPanel;
    int tickedRow = -1;
    int tickedMenuId = -1;
    // Kept: a chosen entry acts only after the menu closed.
    JovReference<ItemPopupMenu> popupMenu;
    PictureCache pictures;
};
