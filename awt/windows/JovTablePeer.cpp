// The list-view peer: columns, items and sub-item texts written from the table, check boxes in the
// state images, and the control's item and header notifications read back into the table.

#include "awt/windows/JovTablePeer.h"
#include "awt/windows/JovFlagGuard.h"

#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovControlFont.h"
#include "awt/windows/JovImageList.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr unsigned int uncheckedImage = 1;
constexpr unsigned int checkedImage = 2;
constexpr unsigned int stateImageShift = 12;
constexpr int singleClick = 1;
constexpr int doubleClick = 2;

unsigned int checkState(bool checked) {
    return INDEXTOSTATEIMAGEMASK(checked ? checkedImage : uncheckedImage);
}

bool isCheckedState(unsigned int state) {
    return ((state & LVIS_STATEIMAGEMASK) >> stateImageShift) == checkedImage;
}

int columnFormat(int alignment) {
    if (alignment == JovTableColumn::RIGHT) {
        return LVCFMT_RIGHT;
    }
    return alignment == JovTableColumn::CENTER ? LVCFMT_CENTER : LVCFMT_LEFT;
}

} // namespace

JovTablePeer::JovTablePeer(JovTable* table)
    : JovComponentPeer(table), table(table), images(new JovImageList()), drawingPaused(false),
      applying(false) {
    images->addRef();
}

JovTablePeer::~JovTablePeer() {
    releasePendingChecks();
    images->release();
}

void JovTablePeer::releasePendingChecks() {
    for (const CheckChange& change : pendingChecks) {
        change.row->release();
    }
    pendingChecks.clear();
}

const char* JovTablePeer::windowClass() const {
    return WC_LISTVIEWA;
}

unsigned long JovTablePeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | LVS_REPORT | LVS_SHOWSELALWAYS |
           visibleStyle();
}

unsigned long JovTablePeer::windowExStyle() const {
    return 0;
}

JovString JovTablePeer::windowTitle() const {
    return "List View";
}

void JovTablePeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
    applyExtendedStyles();
    SendMessageA(getWindow(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(images->getHandle()));
    insertColumns();
    reloadRows();
}

void JovTablePeer::applyExtendedStyles() {
    DWORD styles = LVS_EX_FULLROWSELECT;
    if (table->hasCheckBoxes()) {
        styles |= LVS_EX_CHECKBOXES;
    }
    if (table->getShowGrid()) {
        styles |= LVS_EX_GRIDLINES;
    }
    JovFlagGuard guard(applying);
    SendMessageA(getWindow(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles);
}

void JovTablePeer::insertColumns() {
    for (int i = 0; i < table->getColumnCount(); ++i) {
        const JovTableColumn* column = table->getColumn(i);
        LVCOLUMNA entry = {};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        entry.fmt = columnFormat(column->getAlignment());
        entry.cx = column->getWidth();
        entry.pszText = const_cast<char*>(column->getTitle().chars());
        entry.iSubItem = i;
        SendMessageA(getWindow(), LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&entry));
    }
}

void JovTablePeer::reloadRows() {
    JovFlagGuard guard(applying);
    SendMessageA(getWindow(), LVM_DELETEALLITEMS, 0, 0);
    if (table->getAnnouncedRowCount() > 0) {
        insertRows(0, table->getAnnouncedRowCount() - 1);
    }
}

void JovTablePeer::insertRows(int first, int last) {
    JovFlagGuard guard(applying);
    pauseDrawing();
    for (int row = first; row <= last; ++row) {
        writeRow(row, true);
        // The control gives a new item the unchecked box and ignores a state image passed along.
        if (table->isChecked(row)) {
            setItemState(row, checkState(true), LVIS_STATEIMAGEMASK);
        }
    }
}

void JovTablePeer::pauseDrawing() {
    if (drawingPaused) {
        return;
    }
    SendMessageA(getWindow(), WM_SETREDRAW, FALSE, 0);
    drawingPaused = true;
    postDeferredWork();
}

void JovTablePeer::resumeDrawing() {
    if (!drawingPaused) {
        return;
    }
    drawingPaused = false;
    SendMessageA(getWindow(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(getWindow(), nullptr, TRUE);
}

void JovTablePeer::updateRows(int first, int last) {
    JovFlagGuard guard(applying);
    for (int row = first; row <= last; ++row) {
        writeRow(row, false);
    }
}

void JovTablePeer::deleteRows(int first, int last) {
    JovFlagGuard guard(applying);
    const auto shown = static_cast<int>(SendMessageA(getWindow(), LVM_GETITEMCOUNT, 0, 0));
    if (first == 0 && last >= shown - 1) {
        SendMessageA(getWindow(), LVM_DELETEALLITEMS, 0, 0);
        return;
    }
    for (int row = last; row >= first; --row) {
        SendMessageA(getWindow(), LVM_DELETEITEM, row, 0);
    }
}

void JovTablePeer::writeRow(int row, bool insert) {
    const JovString text = table->getCellText(row, 0);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.chars());
    item.iImage = images->indexOf(table->getCellImage(row));
    if (insert) {
        item.mask |= LVIF_STATE;
        item.stateMask = LVIS_SELECTED;
        item.state = table->isRowSelected(row) ? LVIS_SELECTED : 0;
    }
    SendMessageA(getWindow(), insert ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                 reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < table->getColumnCount(); ++column) {
        const JovString cell = table->getCellText(row, column);
        LVITEMA sub = {};
        sub.iSubItem = column;
        sub.pszText = const_cast<char*>(cell.chars());
        SendMessageA(getWindow(), LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&sub));
    }
}

void JovTablePeer::setItemState(int row, unsigned int state, unsigned int mask) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(getWindow(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void JovTablePeer::setChecked(int row, bool checked) {
    JovFlagGuard guard(applying);
    setItemState(row, checkState(checked), LVIS_STATEIMAGEMASK);
}

void JovTablePeer::setSelected(int row, bool selected) {
    JovFlagGuard guard(applying);
    setItemState(row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void JovTablePeer::setColumnWidth(int column, int width) {
    SendMessageA(getWindow(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
}

void JovTablePeer::setColumnAlignment(int column, int alignment) {
    LVCOLUMNA entry = {};
    entry.mask = LVCF_FMT;
    entry.fmt = columnFormat(alignment);
    SendMessageA(getWindow(), LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&entry));
}

int JovTablePeer::columnWidth(int column) const {
    return static_cast<int>(SendMessageA(getWindow(), LVM_GETCOLUMNWIDTH, column, 0));
}

std::intptr_t JovTablePeer::handleNotify(int code, void* header) {
    switch (static_cast<UINT>(code)) {
    case LVN_ITEMCHANGING:
        return itemChanging(header);
    case LVN_ITEMCHANGED:
        itemChanged(header);
        return 0;
    case NM_CLICK:
        deliverClick(header, singleClick);
        return 0;
    case NM_DBLCLK:
        deliverClick(header, doubleClick);
        return 0;
    default:
        return 0;
    }
}

std::intptr_t JovTablePeer::itemChanging(void* header) {
    const auto* change = static_cast<const NMLISTVIEW*>(header);
    if (applying || (change->uChanged & LVIF_STATE) == 0 || change->iItem < 0) {
        return FALSE;
    }
    if (((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) == 0) {
        return FALSE;
    }
    JovObject* row = table->getRows().elementAt(change->iItem);
    if (row == nullptr) {
        return TRUE;
    }
    row->addRef();
    pendingChecks.push_back({row, isCheckedState(change->uNewState)});
    postDeferredWork();
    return TRUE;
}

void JovTablePeer::runDeferredWork() {
    resumeDrawing();
    std::vector<CheckChange> changes;
    changes.swap(pendingChecks);
    for (const CheckChange& change : changes) {
        // A listener may have removed the table: its window is then gone.
        const int row = getWindow() != nullptr ? table->indexOfRow(change.row) : -1;
        if (row >= 0) {
            table->userChecked(row, change.checked);
        }
        change.row->release();
    }
}

void JovTablePeer::itemChanged(void* header) {
    const auto* change = static_cast<const NMLISTVIEW*>(header);
    if (applying || (change->uChanged & LVIF_STATE) == 0) {
        return;
    }
    if (change->iItem >= 0) {
        if (((change->uNewState ^ change->uOldState) & LVIS_SELECTED) != 0) {
            table->selectionChangedInControl(change->iItem,
                                             (change->uNewState & LVIS_SELECTED) != 0);
        }
        return;
    }
    // Item -1: the change applied to every item.
    for (int row = 0; row < table->getRowCount(); ++row) {
        const auto state = SendMessageA(getWindow(), LVM_GETITEMSTATE, row, LVIS_SELECTED);
        table->selectionChangedInControl(row, (state & LVIS_SELECTED) != 0);
    }
}

void JovTablePeer::deliverClick(void* header, int clickCount) {
    const auto* click = static_cast<const NMITEMACTIVATE*>(header);
    int x = click->ptAction.x;
    int y = click->ptAction.y;
    toComponent(x, y);
    deliverMouseEvent(getWindow(), JovMouseEvent::MOUSE_CLICKED, x, y, clickCount,
                      JovMToolkit::currentModifiers(), false);
}

JovString JovTablePeer::toString() const {
    return "ool.awt.windows.JovTablePeer";
}
