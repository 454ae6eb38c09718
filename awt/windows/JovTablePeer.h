// The native side of a table: a report-style owner-data list view with check boxes, whole-row
// selection and grid lines. The control keeps only the row count and the selection; texts,
// pictures and check marks are asked of the table while the control draws, so filling it costs
// the same for any number of rows. The control's selection is read back into the table.
#pragma once

#include "awt/windows/JovComponentPeer.h"
#include "awt/windows/JovImageList.h"
#include "lang/JovReference.h"

#include <cstdint>
#include <vector>

class JovImageList;
class JovTable;

class JovTablePeer : public JovComponentPeer {
public:
    explicit JovTablePeer(JovTable* table);
    ~JovTablePeer() override;

    // Rows from first on came or went: the control shows the table's count and selection. From
    // 0 (all rows new) it starts at the top again.
    void rowCountChanged(int first);
    // The rows' cells changed; only those on screen are drawn again.
    void updateRows(int first, int last);

    void setColumnWidth(int column, int width);
    void setColumnAlignment(int column, int alignment);
    // The width the control shows now, or 0 for a column it does not have.
    int columnWidth(int column) const;
    // Check boxes, whole-row selection and grid lines, as the table asks.
    void applyExtendedStyles();

    // A program change: no selection event from the control.
    void setSelected(int row, bool selected);

    std::intptr_t handleNotify(int code, void* header) override;
    // Every message of the control passes here on its way to the control's own procedure.
    std::intptr_t handleControlMessage(WindowHandle control, unsigned int message,
                                       std::uintptr_t wParam, std::intptr_t lParam) override;
    // The check-box changes the user made, handed to the table outside the control's messages.
    void runDeferredWork() override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    unsigned long windowExStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    struct CheckChange {
        JovReference<JovObject> row;
        bool checked;
    };

    void insertColumns();
    // A count change reaches the control before it handles its next message, so rows told one
    // by one, as a search fills the table, cost the control one scroll-bar update, not one each.
    void showRowCount();
    void setItemState(int row, unsigned int state, unsigned int mask);

    // LVN_GETDISPINFO: the text, picture and check box of one cell, from the table.
    void describeCell(void* header);
    // LVN_ODFINDITEM, as the user types: the next row whose first cell starts with the typed
    // text, from the row the control names on; -1 for none.
    std::intptr_t findRow(const void* header);
    // An owner-data list does not toggle its check boxes: a press on one, or the space key on
    // the focused row, is queued for the table, which hears of it after the control's message.
    void checkBoxPressed(int x, int y);
    void spacePressed();
    void queueCheck(int row);

    // The control's selected rows from first on, in order.
    std::vector<int> selectedInControl(int first) const;
    // The control keeps its selection by position: after rows came or went, the rows from first
    // on are selected as the table has them.
    void copySelectionFrom(int first);
    // The table takes the control's selection over, with an event for every row that changed.
    void readSelectionFromControl();
    void itemChanged(void* header);
    // Clicks on the rows; the popup request comes as the control's context menu message.
    void deliverClick(void* header, int clickCount);

    JovTable* table;
    JovReference<JovImageList> images;
    // Each holds a counted reference on its row, found again by identity when it is handled.
    std::vector<CheckChange> pendingChecks;
    // Whether the control still shows an old row count, and the first row that moved since.
    bool countStale;
    int firstMovedRow;
    // Set while the program writes states into the control, whose notifications it then ignores.
    bool applying;
    // How deep the control's own procedure is running, and whether the selection it changed
    // (for all rows, or for a range) still has to be read back when it returns.
    int controlDepth;
    bool selectionStale;
};
