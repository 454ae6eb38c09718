// A table of rows with one check box each, shown by a report-style list view. The rows are a
// vector of row vectors shared with the table's owner, who tells the table which rows were
// inserted, changed or deleted; check marks, selection and column widths live in the table. The
// control asks for cells and marks as it draws them, so a fill costs the same for any row count.
#pragma once

#include "awt/JovComponent.h"
#include "util/JovVector.h"

#include <vector>

class ChangeListener;
class JovAWTEventMulticaster;
class JovImage;
class JovListSelectionListener;
class JovTableCellRenderer;
class JovTableColumn;
class JovTablePeer;

class JovTable : public JovComponent {
public:
    // rows: a vector of JovVector rows, one element per column; columnNames: one title each.
    JovTable(const JovVector& rows, const JovVector& columnNames);
    ~JovTable() override;

    int getColumnCount() const { return columns.size(); }
    // Null, with an error line, when index is out of range.
    JovTableColumn* getColumn(int index) const;
    // With a peer the width is read back from the control first (the user may have dragged it).
    int getColumnWidth(int index);
    void setColumnWidth(int index, int width);
    void setColumnMinWidth(int index, int width);
    void setColumnAlignment(int index, int alignment);
    // Copies the control's widths into the columns, raising any below its minimum.
    void readColumnWidths();

    const JovVector& getRows() const { return rows; }
    int getRowCount() const { return rows.size(); }
    // The row's element for column, or null.
    JovObject* getValueAt(int row, int column) const;
    // The text shown in a cell: the renderer's, else the value's own text.
    JovString getCellText(int row, int column);
    // The picture in front of the first column's text, or null.
    JovImage* getCellImage(int row);

    // Not owned: the control asks it whenever it draws a row, so it must live while it is set;
    // null restores the plain rendering.
    void setCellRenderer(JovTableCellRenderer* renderer);
    JovTableCellRenderer* getCellRenderer() const { return cellRenderer; }

    // The row object's index in the row vector (by identity), or -1.
    int indexOfRow(const JovObject* row) const;
    // The rows the table was told of, which the control shows; rows the owner added without
    // telling yet follow them in the row vector.
    int getAnnouncedRowCount() const { return announcedRows; }

    // The owner changed the row vector: keep check marks, selection and the control in step.
    // Rows may be added silently and announced later, all at once; marks set on them in the
    // meantime stay. After an insert the first row is selected when nothing is.
    void rowsInserted(int first, int last);
    void rowsChanged(int first, int last);
    // Before or after the rows left the row vector: both orders are told.
    void rowsDeleted(int first, int last);
    // The whole row vector was replaced or emptied: marks and selection are cleared.
    void rowsReloaded();

    void setCheckBoxes(bool shown);
    bool hasCheckBoxes() const { return checkBoxes; }
    void setShowGrid(bool shown);
    bool getShowGrid() const { return showGrid; }

    // Set by the program: no check event is sent. A row out of range changes nothing.
    void setChecked(int row, bool checked);
    bool isChecked(int row) const;

    // The first selected row, or -1. Counted, so that asking costs nothing while none is.
    int getSelectedRow() const;
    int getSelectedRowCount() const;
    std::vector<int> getSelectedRows() const;
    bool isRowSelected(int row) const;
    // Adds row to the selection or takes it out; list selection listeners hear of the change.
    void setRowSelected(int row, bool selected);
    // Selects row alone.
    void setSelectedRow(int row);
    void clearSelection();

    // Listeners are not owned. Check listeners receive a JovTableCheckEvent through stateChanged
    // and may consume it to refuse the user's change.
    void addListSelectionListener(JovListSelectionListener* listener);
    void removeListSelectionListener(JovListSelectionListener* listener);
    void addCheckListener(ChangeListener* listener);
    void removeCheckListener(ChangeListener* listener);

    // From the peer, after the control's message that told of it: the user changed a check box.
    // Check listeners hear of it; unless one consumed the event the mark is set, in the control
    // too. Answers whether the change stands.
    bool userChecked(int row, bool checked);
    // From the peer: the control's selection of row changed.
    void selectionChangedInControl(int row, bool selected);

    // The widths the user dragged outlive the control.
    void removeNotify() override;

    JovString toString() const override;

private:
    struct RowState {
        bool checked = false;
        bool selected = false;
    };

    JovTablePeer* tablePeer() const;
    bool validRow(int row) const;
    bool announcedRow(int row) const { return row >= 0 && row < announcedRows; }
    // The marks of every row, grown to the row count when the owner added rows silently.
    RowState& stateOf(int row);
    // Erases the marks of rows first to end - 1, as far as there are any.
    void dropStates(int first, int end);
    void notifySelection(int first, int last);
    void selectFirstRowIfNoneIs();

    JovVector rows;
    JovVector columns;
    JovTableCellRenderer* cellRenderer;
    bool checkBoxes;
    bool showGrid;
    std::vector<RowState> rowStates;
    int announcedRows;
    int selectedCount;
    JovAWTEventMulticaster* selectionListeners;
    JovAWTEventMulticaster* checkListeners;
};
