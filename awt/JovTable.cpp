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
      selectionListeners(nullptr), checkListeners(nullptr) {
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
    return dynamic_cast<JovTablePeer*>(getPeer());
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

void JovTable::rowsInserted(int first, int last) {
    if (first < 0 || last < first || last >= rows.size()) {
        return;
    }
    const std::size_t at = std::min(static_cast<std::size_t>(first), rowStates.size());
    rowStates.insert(rowStates.begin() + at, last - first + 1, RowState());
    if (tablePeer() != nullptr) {
        tablePeer()->insertRows(first, last);
    }
}

void JovTable::rowsChanged(int first, int last) {
    if (first < 0 || last < first || last >= rows.size()) {
        return;
    }
    if (tablePeer() != nullptr) {
        tablePeer()->updateRows(first, last);
    }
}

void JovTable::rowsDeleted(int first, int last) {
    if (first < 0 || last < first || last >= rows.size()) {
        return;
    }
    bool selectionLost = false;
    for (int row = first; row <= last; ++row) {
        selectionLost = selectionLost || isRowSelected(row);
    }
    if (static_cast<std::size_t>(first) < rowStates.size()) {
        const std::size_t end = std::min(static_cast<std::size_t>(last) + 1, rowStates.size());
        rowStates.erase(rowStates.begin() + first, rowStates.begin() + end);
    }
    if (tablePeer() != nullptr) {
        tablePeer()->deleteRows(first, last);
    }
    if (selectionLost) {
        notifySelection(first, last);
    }
}

void JovTable::rowsReloaded() {
    const bool hadSelection = getSelectedRowCount() > 0;
    rowStates.assign(rows.size(), RowState());
    if (tablePeer() != nullptr) {
        tablePeer()->reloadRows();
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
    if (!validRow(row)) {
        return;
    }
    stateOf(row).checked = checked;
    if (tablePeer() != nullptr) {
        tablePeer()->setChecked(row, checked);
    }
}

bool JovTable::isChecked(int row) const {
    return validRow(row) && static_cast<std::size_t>(row) < rowStates.size() &&
           rowStates[row].checked;
}

int JovTable::getSelectedRow() const {
    for (int row = 0; row < rows.size(); ++row) {
        if (isRowSelected(row)) {
            return row;
        }
    }
    return -1;
}

int JovTable::getSelectedRowCount() const {
    return static_cast<int>(getSelectedRows().size());
}

std::vector<int> JovTable::getSelectedRows() const {
    std::vector<int> selected;
    for (int row = 0; row < rows.size(); ++row) {
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
    if (tablePeer() != nullptr) {
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
    JovTableCheckEvent event(this, row, checked);
    if (checkListeners != nullptr) {
        checkListeners->stateChanged(event);
    }
    if (event.isConsumed()) {
        return false;
    }
    // A listener may have removed rows meanwhile.
    if (validRow(row)) {
        stateOf(row).checked = checked;
    }
    return true;
}

void JovTable::selectionChangedInControl(int row, bool selected) {
    if (!validRow(row) || isRowSelected(row) == selected) {
        return;
    }
    stateOf(row).selected = selected;
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
