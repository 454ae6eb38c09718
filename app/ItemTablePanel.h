// The frame both item tables share: the search bar above the table, the hidden "Neu" button, the
// popup menu and double click of setup mode, and each item's name in the first column.
#pragma once

#include "app/ItemPopupMenu.h"
#include "awt/JovPanel.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/event/ChangeListener.h"
#include "awt/event/JovActionListener.h"
#include "awt/event/JovFocusListener.h"
#include "awt/event/JovKeyListener.h"
#include "awt/event/JovListSelectionListener.h"
#include "awt/event/JovMouseListener.h"
#include "util/JovVector.h"

class AbstractMeal;
class GageView;
class JovButton;
class JovTable;
class MainFrame;
class ResultSet;
class SearchPanel;

class ItemTablePanel : public JovPanel,
                       public JovTableCellRenderer,
                       public JovKeyListener,
                       public JovActionListener,
                       public JovMouseListener,
                       public JovFocusListener,
                       public JovListSelectionListener,
                       public ChangeListener {
public:
    JovTable* getTable() const { return table; }
    SearchPanel* getSearchPanel() const { return searchPanel; }
    JovButton* getNewButton() const;
    void requestFocus() override;

    virtual void removeAllRows();

    // Runs the popup menu's and the "Neu" button's commands.
    void actionPerformed(JovActionEvent& event) override;
    void valueChanging(JovListSelectionEvent& event) override;
    void valueChanged(JovListSelectionEvent& event) override;
    void keyPressed(JovKeyEvent& event) override;
    void keyReleased(JovKeyEvent& event) override;
    void keyTyped(JovKeyEvent& event) override;
    // A double click in setup mode edits the selected row.
    void mouseClicked(JovMouseEvent& event) override;
    void mousePressed(JovMouseEvent& event) override;
    void mouseReleased(JovMouseEvent& event) override;
    void mouseEntered(JovMouseEvent& event) override;
    void mouseExited(JovMouseEvent& event) override;
    void focusGained(JovFocusEvent& event) override;
    void focusLost(JovFocusEvent& event) override;
    JovString getCellText(JovTable& table, JovObject* value, int row, int column) override;

protected:
    // withMenus chooses the search bar of the menu table.
    ItemTablePanel(MainFrame* frame, GageView* labelView, const JovVector& columnNames,
                   bool withMenus);

    // The item in the row's first cell.
    AbstractMeal* itemAt(int row) const;
    // Replaces the rows with the query's result; a failed query is reported on standard output
    // and leaves the rows read before it.
    void refill(const JovString& query);
    // Appends the found row without telling the view, which hears of the whole result at once.
    virtual void appendFound(ResultSet& found) = 0;
    virtual void createItem() = 0;
    virtual void editSelected() = 0;
    virtual void deleteSelected() = 0;
    // The search term names a new item; without one it gets the placeholder.
    JovString newItemName(const char* placeholder) const;
    // Whether a double click may open the row's editor.
    virtual bool isEditable(int row) const;

    MainFrame* frame;
    GageView* labelView;
    JovVector columnNames;
    JovVector rows;
    JovTable* table;
    SearchPanel* searchPanel;

private:
    void showPopupMenu(JovMouseEvent& event);

    // Kept: a chosen entry acts only after the menu closed.
    JovReference<ItemPopupMenu> popupMenu;
};
