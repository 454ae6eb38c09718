// The native side of a table: a report-style list view with check boxes, whole-row selection and
// grid lines. It copies the table's columns, rows, marks and selection into the control and turns
// the control's notifications back into the table's state and events.
#pragma once

#include "awt/windows/JovComponentPeer.h"

#include <vector>

class JovImageList;
class JovTable;

class JovTablePeer : public JovComponentPeer {
public:
    explicit JovTablePeer(JovTable* table);
    ~JovTablePeer() override;

    void insertRows(int first, int last);
    void updateRows(int first, int last);
    void deleteRows(int first, int last);
    // Drops every item and fills the control from the table again.
    void reloadRows();

    void setColumnWidth(int column, int width);
    void setColumnAlignment(int column, int alignment);
    // The width the control shows now, or 0 for a column it does not have.
    int columnWidth(int column) const;
    // Check boxes, whole-row selection and grid lines, as the table asks.
    void applyExtendedStyles();

    // Program changes: no check event, no selection event from the control.
    void setChecked(int row, bool checked);
    void setSelected(int row, bool selected);

    std::intptr_t handleNotify(int code, void* header) override;
    // The check-box changes the user made, handed to the table outside the control's notification.
    void runDeferredWork() override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    unsigned long windowStyle() const override;
    unsigned long windowExStyle() const override;
    JovString windowTitle() const override;
    void initialize() override;

private:
    void insertColumns();
    void writeRow(int row, bool insert);
    void releasePendingChecks();
    // Rows told one by one, as a search fills the table, are drawn once, after the message
    // that told them: each drawing step would cost as much as the insert itself.
    void pauseDrawing();
    void resumeDrawing();
    void setItemState(int row, unsigned int state, unsigned int mask);
    struct CheckChange {
        JovObject* row;
        bool checked;
    };

    // LVN_ITEMCHANGING: a check box the user changed is refused in the control for now; the
    // table hears of it later and sets the mark if its listeners let it stand.
    std::intptr_t itemChanging(void* header);
    void itemChanged(void* header);
    // Clicks on the rows; the popup request comes as the control's context menu message.
    void deliverClick(void* header, int clickCount);

    JovTable* table;
    JovImageList* images;
    // Each holds a counted reference on its row, found again by identity when it is handled.
    std::vector<CheckChange> pendingChecks;
    bool drawingPaused;
    // Set while the program writes states into the control, whose notifications it then ignores.
    bool applying;
};
