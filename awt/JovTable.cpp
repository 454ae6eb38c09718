// The table's own state (columns, check marks, selection) and its hand-over to the list-view peer.

#include "awt/JovTable.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovTableCellRenderer.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovListSelectionEvent.h"
#include "awt/event/JovTableCheckEvent.h"
#include "awt/windows/JovTablePeer.h"
#include "io/JovPrintWriter.h"

#include <algorithm>

JovTable::JovTable(const JovVector& rows, const JovVector& columnNames)
    : rows(rows), cellRenderer(nullptr), checkBoxes(true), showGrid(true),
      announcedRows(rows.size()), selectedCount(0), selectionListeners(nullptr),
      checkListeners(nullptr) {
    for (int i = 0; i < columnNames.size(); ++i) {
        const JovObject* name = columnNames.elementAt(i);
        columns.addElement(new JovTableColumn(name != nullptr ? name->toString() : JovString()));
    }
}

JovTable::~JovTable() {
    selectionListeners = JovAWTEventMulticaster::remove(selectionListeners, nullptr);
    checkListeners = JovAWTEventMulticaster::remove(checkListeners, nullptr);
}

JovTablePeer* JovTable::tablePeer() const {
    return getPeerAs<JovTablePeer>();
}

JovTableColumn* JovTable::getColumn(int index) const {
    if (index < 0 || index >= columns.size()) {
        JovPrintWriter::standardError().println("JovTable: no column " + JovString::valueOf(index));
        return nullptr;
    }
    return static_cast<JovTableColumn*>(columns.elementAt(index));
}

int JovTable::getColumnWidth(int index) {
    readColumnWidths();
    const JovTableColumn* column = getColumn(index);
    return column != nullptr ? column->getWidth() : 0;
}

void JovTable::setColumnWidth(int index, int width) {
    JovTableColumn* column = getColumn(index);
    if (column == nullptr) {
        return;
    }
    column->setWidth(width);
    if (tablePeer() != nullptr) {
        tablePeer()->setColumnWidth(index, column->getWidth());
    }
}

void JovTable::setColumnMinWidth(int index, int width) {
    JovTableColumn* column = getColumn(index);
    if (column == nullptr) {
        return;
    }
    readColumnWidths();
    column->setMinWidth(width);
    setColumnWidth(index, column->getWidth());
}

void JovTable::setColumnAlignment(int index, int alignment) {
    JovTableColumn* column = getColumn(index);
    if (column == nullptr) {
        return;
    }
    column->setAlignment(alignment);
    if (tablePeer() != nullptr) {
        tablePeer()->setColumnAlignment(index, column->getAlignment());
    }
}

void JovTable::readColumnWidths() {
    JovTablePeer* peer = tablePeer();
    if (peer == nullptr) {
        return;
    }
    for (int i = 0; i < columns.size(); ++i) {
        JovTableColumn* column = getColumn(i);
        const int shown = peer->columnWidth(i);
        column->setWidth(shown);
        if (shown < column->getWidth()) {
            peer->setColumnWidth(i, column->getWidth());
        }
    }
}

JovObject* JovTable::getValueAt(int row, int column) const {
    if (!validRow(row)) {
        return nullptr;
    }
    const auto* cells = dynamic_cast<const JovVector*>(rows.elementAt(row));
    if (cells == nullptr || column < 0 || column >= cells->size()) {
        return nullptr;
    }
    return cells->elementAt(column);
}

JovString JovTable::getCellText(int row, int column) {
    JovObject* value = getValueAt(row, column);
    if (cellRenderer != nullptr) {
        return cellRenderer->getCellText(*this, value, row, column);
    }
    return value != nullptr ? value->toString() : JovString();
}

JovImage* JovTable::getCellImage(int row) {
    if (cellRenderer == nullptr) {
        return nullptr;
    }
    return cellRenderer->getCellImage(*this, getValueAt(row, 0), row, 0);
}

void JovTable::setCellRenderer(JovTableCellRenderer* renderer) {
    cellRenderer = renderer;
    if (tablePeer() != nullptr && !rows.isEmpty()) {
        tablePeer()->updateRows(0, rows.size() - 1);
    }
}

bool JovTable::validRow(int row) const {
    return row >= 0 && row < rows.size();
}

JovTable::RowState& JovTable::stateOf(int row) {
    if (rowStates.size() < static_cast<std::size_t>(rows.size())) {
        rowStates.resize(rows.size());
    }
    return rowStates[row];
}

int JovTable::indexOfRow(const JovObject* row) const {
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.elementAt(i) == row) {
            return i;
        }
    }
    return -1;
}

void JovTable::dropStates(int first, int end) {
    const auto from = std::min(static_cast<std::size_t>(first), rowStates.size());
    const auto to = std::min(static_cast<std::size_t>(end), rowStates.size());
    for (auto i = from; i < to; ++i) {
        selectedCount -= rowStates[i].selected ? 1 : 0;
    }
    rowStates.erase(rowStates.begin() + from, rowStates.begin() + to);
}

void JovTable::rowsInserted(int first, int last) {
    if (first < 0 || last < first || last >= rows.size() || first > announcedRows) {
        return;
    }
    const int count = last - first + 1;
    // States beyond the row vector belong to rows that are gone already.
    dropStates(rows.size(), static_cast<int>(rowStates.size()));
    rowStates.resize(std::max(rowStates.size(), static_cast<std::size_t>(announcedRows)));
    if (first < announcedRows) {
        rowStates.insert(rowStates.begin() + first, count, RowState());
    }
    // Appended rows keep the marks set while they were silent; the others start clear.
    rowStates.resize(std::max(rowStates.size(), static_cast<std::size_t>(announcedRows + count)));
    announcedRows += count;
    if (tablePeer() != nullptr) {
        tablePeer()->rowCountChanged(first);
    }
    selectFirstRowIfNoneIs();
}

void JovTable::selectFirstRowIfNoneIs() {
    if (selectedCount == 0 && announcedRows > 0) {
        setRowSelected(0, true);
    }
}

void JovTable::rowsChanged(int first, int last) {
    if (first < 0 || last < first || last >= std::min(rows.size(), announcedRows)) {
        return;
    }
    if (tablePeer() != nullptr) {
        tablePeer()->updateRows(first, last);
    }
}

void JovTable::rowsDeleted(int first, int last) {
    if (first < 0 || last < first || last >= announcedRows) {
        return;
    }
    const int selectedBefore = selectedCount;
    dropStates(first, last + 1);
    announcedRows -= last - first + 1;
    if (tablePeer() != nullptr) {
        tablePeer()->rowCountChanged(first);
    }
    if (selectedCount != selectedBefore) {
        notifySelection(first, last);
    }
}

void JovTable::rowsReloaded() {
    const bool hadSelection = selectedCount > 0;
    rowStates.assign(rows.size(), RowState());
    announcedRows = rows.size();
    selectedCount = 0;
    if (tablePeer() != nullptr) {
        tablePeer()->rowCountChanged(0);
    }
    if (hadSelection) {
        notifySelection(0, std::max(rows.size() - 1, 0));
    }
}

void JovTable::setCheckBoxes(bool shown) {
    checkBoxes = shown;
    if (tablePeer() != nullptr) {
        tablePeer()->applyExtendedStyles();
    }
}

void JovTable::setShowGrid(bool shown) {
    showGrid = shown;
    if (tablePeer() != nullptr) {
        tablePeer()->applyExtendedStyles();
    }
}

void JovTable::setChecked(int row, bool checked) {
    // Refills set every row's mark; only a change costs the control anything.
    if (!validRow(row) || isChecked(row) == checked) {
        return;
    }
    stateOf(row).checked = checked;
    if (tablePeer() != nullptr && announcedRow(row)) {
        tablePeer()->updateRows(row, row);
    }
}

bool JovTable::isChecked(int row) const {
    return validRow(row) && static_cast<std::size_t>(row) < rowStates.size() &&
           rowStates[row].checked;
}

int JovTable::getSelectedRow() const {
    if (selectedCount == 0) {
        return -1;
    }
    for (int row = 0; row < rows.size(); ++row) {
        if (isRowSelected(row)) {
            return row;
        }
    }
    return -1;
}

int JovTable::getSelectedRowCount() const {
    return selectedCount;
}

std::vector<int> JovTable::getSelectedRows() const {
    std::vector<int> selected;
    for (int row = 0; row < rows.size() && static_cast<int>(selected.size()) < selectedCount;
         ++row) {
        if (isRowSelected(row)) {
            selected.push_back(row);
        }
    }
    return selected;
}

bool JovTable::isRowSelected(int row) const {
    return validRow(row) && static_cast<std::size_t>(row) < rowStates.size() &&
           rowStates[row].selected;
}

void JovTable::setRowSelected(int row, bool selected) {
    if (!validRow(row) || isRowSelected(row) == selected) {
        return;
    }
    stateOf(row).selected = selected;
    selectedCount += selected ? 1 : -1;
    if (tablePeer() != nullptr && announcedRow(row)) {
        tablePeer()->setSelected(row, selected);
    }
    notifySelection(row, row);
}

void JovTable::setSelectedRow(int row) {
    if (!validRow(row)) {
        return;
    }
    for (int other : getSelectedRows()) {
        if (other != row) {
            setRowSelected(other, false);
        }
    }
    setRowSelected(row, true);
}

void JovTable::clearSelection() {
    for (int row : getSelectedRows()) {
        setRowSelected(row, false);
    }
}

void JovTable::addListSelectionListener(JovListSelectionListener* listener) {
    selectionListeners = JovAWTEventMulticaster::add(selectionListeners, listener);
}

void JovTable::removeListSelectionListener(JovListSelectionListener* listener) {
    if (listener != nullptr) {
        selectionListeners = JovAWTEventMulticaster::remove(selectionListeners, listener);
    }
}

void JovTable::addCheckListener(ChangeListener* listener) {
    checkListeners = JovAWTEventMulticaster::add(checkListeners, listener);
}

void JovTable::removeCheckListener(ChangeListener* listener) {
    if (listener != nullptr) {
        checkListeners = JovAWTEventMulticaster::remove(checkListeners, listener);
    }
}

bool JovTable::userChecked(int row, bool checked) {
    if (!validRow(row)) {
        return false;
    }
    if (isChecked(row) == checked) {
        return true;
    }
    JovObject* rowObject = rows.elementAt(row);
    if (rowObject == nullptr) {
        return false;
    }
    // Held: a listener may take the row out of the table.
    const JovReference<JovObject> heldRow(rowObject);
    JovTableCheckEvent event(this, row, checked);
    if (checkListeners != nullptr) {
        checkListeners->stateChanged(event);
    }
    // A listener may have moved or removed the row meanwhile.
    const int now = event.isConsumed() ? -1 : indexOfRow(rowObject);
    if (now < 0) {
        return false;
    }
    setChecked(now, checked);
    return true;
}

void JovTable::selectionChangedInControl(int row, bool selected) {
    if (!validRow(row) || isRowSelected(row) == selected) {
        return;
    }
    stateOf(row).selected = selected;
    selectedCount += selected ? 1 : -1;
    notifySelection(row, row);
}

void JovTable::notifySelection(int first, int last) {
    if (selectionListeners == nullptr) {
        return;
    }
    JovListSelectionEvent event(this, first, last, false);
    selectionListeners->valueChanged(event);
}

void JovTable::removeNotify() {
    readColumnWidths();
    JovComponent::removeNotify();
}

JovString JovTable::toString() const {
    return "ool.awt.JovTable[,text=" + JovString::valueOf(rows.size()) + " rows]";
}
