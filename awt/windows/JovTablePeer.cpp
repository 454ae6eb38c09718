// The list-view peer: columns and the row count written from the table, cells described on the
// control's request, check boxes drawn from the table's marks, and the control's selection and
// header read back into the table.

#include "awt/windows/JovTablePeer.h"
#include "awt/windows/JovFlagGuard.h"

#include "awt/JovTable.h"
#include "awt/JovTableColumn.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovControlFont.h"
#include "awt/windows/JovControlProcedure.h"
#include "awt/windows/JovImageList.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {

constexpr unsigned int uncheckedImage = 1;
constexpr unsigned int checkedImage = 2;
constexpr int singleClick = 1;
constexpr int doubleClick = 2;

unsigned int checkState(bool checked) {
    return INDEXTOSTATEIMAGEMASK(checked ? checkedImage : uncheckedImage);
}

int columnFormat(int alignment) {
    if (alignment == JovTableColumn::RIGHT) {
        return LVCFMT_RIGHT;
    }
    return alignment == JovTableColumn::CENTER ? LVCFMT_CENTER : LVCFMT_LEFT;
}

} // namespace

JovTablePeer::JovTablePeer(JovTable* table)
    : JovComponentPeer(table), table(table), images(new JovImageList()), countStale(false),
      firstMovedRow(0), applying(false), controlDepth(0), selectionStale(false) {
}

JovTablePeer::~JovTablePeer() = default;

const char* JovTablePeer::windowClass() const {
    return WC_LISTVIEWA;
}

unsigned long JovTablePeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | LVS_REPORT | LVS_SHOWSELALWAYS |
           LVS_OWNERDATA | visibleStyle();
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
    // The check boxes are the table's marks: the control asks for them as it does for texts.
    SendMessageA(getWindow(), LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SendMessageA(getWindow(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(images->getHandle()));
    JovControlProcedure::showMessagesToPeer(getWindow(), getWindow());
    insertColumns();
    rowCountChanged(0);
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

void JovTablePeer::rowCountChanged(int first) {
    if (countStale) {
        firstMovedRow = std::min(firstMovedRow, first);
        return;
    }
    countStale = true;
    firstMovedRow = first;
    // The paint this asks for is a message to the control, which then takes the new count.
    InvalidateRect(getWindow(), nullptr, FALSE);
}

void JovTablePeer::showRowCount() {
    if (!countStale) {
        return;
    }
    countStale = false;
    JovFlagGuard guard(applying);
    // The control keeps focus and selection by position. All rows new: an empty list first, so
    // that it drops both and scrolls to the top; otherwise a focus on a moved row goes.
    if (firstMovedRow == 0) {
        SendMessageA(getWindow(), LVM_SETITEMCOUNT, 0, 0);
    }
    const auto focused =
        static_cast<int>(SendMessageA(getWindow(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
    if (focused >= firstMovedRow) {
        setItemState(focused, 0, LVIS_FOCUSED);
    }
    SendMessageA(getWindow(), LVM_SETITEMCOUNT, table->getAnnouncedRowCount(), LVSICF_NOSCROLL);
    copySelectionFrom(firstMovedRow);
}

void JovTablePeer::updateRows(int first, int last) {
    const auto top = static_cast<int>(SendMessageA(getWindow(), LVM_GETTOPINDEX, 0, 0));
    const auto page = static_cast<int>(SendMessageA(getWindow(), LVM_GETCOUNTPERPAGE, 0, 0));
    const int from = std::max(first, top);
    const int to = std::min(last, top + page);
    if (from <= to) {
        SendMessageA(getWindow(), LVM_REDRAWITEMS, from, to);
    }
}

std::vector<int> JovTablePeer::selectedInControl(int first) const {
    std::vector<int> rows;
    int row = first - 1;
    while ((row = static_cast<int>(
                SendMessageA(getWindow(), LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0) {
        rows.push_back(row);
    }
    return rows;
}

void JovTablePeer::copySelectionFrom(int first) {
    for (int row : selectedInControl(first)) {
        if (!table->isRowSelected(row)) {
            setItemState(row, 0, LVIS_SELECTED);
        }
    }
    for (int row = first; row < table->getAnnouncedRowCount(); ++row) {
        if (table->isRowSelected(row)) {
            setItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
}

void JovTablePeer::setItemState(int row, unsigned int state, unsigned int mask) {
    LVITEMA item = {};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(getWindow(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
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
    case LVN_GETDISPINFOA:
        describeCell(header);
        return 0;
    case LVN_ITEMCHANGED:
        itemChanged(header);
        return 0;
    case LVN_ODSTATECHANGED:
        // Sent once the control has changed a whole range.
        if (!applying) {
            readSelectionFromControl();
        }
        return 0;
    case LVN_ODFINDITEMW:
        return findRow(header);
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

void JovTablePeer::describeCell(void* header) {
    LVITEMA& item = static_cast<NMLVDISPINFOA*>(header)->item;
    // A row the owner already took out of the vector, before telling the table, shows empty.
    const bool known = item.iItem >= 0 && item.iItem < table->getRowCount();
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const JovString text = known ? table->getCellText(item.iItem, item.iSubItem) : JovString();
        lstrcpynA(item.pszText, text.chars(), item.cchTextMax);
    }
    if ((item.mask & LVIF_IMAGE) != 0) {
        item.iImage = known && item.iSubItem == 0 ? images->indexOf(table->getCellImage(item.iItem))
                                                  : JovImageList::NO_IMAGE;
    }
    if ((item.mask & LVIF_STATE) != 0 && known && item.iSubItem == 0 && table->hasCheckBoxes()) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | checkState(table->isChecked(item.iItem));
    }
}

std::intptr_t JovTablePeer::findRow(const void* header) {
    const auto* find = static_cast<const NMLVFINDITEMW*>(header);
    const int count = table->getAnnouncedRowCount();
    if ((find->lvfi.flags & LVFI_PARTIAL) == 0 || find->lvfi.psz == nullptr || count == 0) {
        return -1;
    }
    char wanted[MAX_PATH] = {};
    const int length = WideCharToMultiByte(CP_ACP, 0, find->lvfi.psz, -1, wanted, sizeof wanted,
                                           nullptr, nullptr) -
                       1;
    const int start = find->iStart >= 0 && find->iStart < count ? find->iStart : 0;
    const int steps = (find->lvfi.flags & LVFI_WRAP) != 0 ? count : count - start;
    for (int step = 0; length > 0 && step < steps; ++step) {
        const int row = (start + step) % count;
        const JovString text = table->getCellText(row, 0);
        if (text.length() >= length &&
            CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.chars(), length, wanted,
                           length) == CSTR_EQUAL) {
            return row;
        }
    }
    return -1;
}

std::intptr_t JovTablePeer::handleControlMessage(WindowHandle control, unsigned int message,
                                                 std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WM_LBUTTONDOWN) {
        checkBoxPressed(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        spacePressed();
    }
    showRowCount();
    // A press may change the selection without any notification (a shift-click on the anchor).
    if (message == WM_LBUTTONDOWN || message == WM_KEYDOWN) {
        selectionStale = true;
    }
    // A listener may remove the table while the control is still inside its message.
    const JovReference<JovTablePeer> self(this);
    ++controlDepth;
    const LRESULT result = JovControlProcedure::passOn(control, message, wParam, lParam);
    --controlDepth;
    if (controlDepth == 0 && selectionStale && getWindow() != nullptr) {
        readSelectionFromControl();
    }
    return result;
}

void JovTablePeer::checkBoxPressed(int x, int y) {
    if (!table->hasCheckBoxes()) {
        return;
    }
    LVHITTESTINFO hit = {};
    hit.pt = POINT{x, y};
    SendMessageA(getWindow(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) != 0) {
        queueCheck(hit.iItem);
    }
}

void JovTablePeer::spacePressed() {
    if (!table->hasCheckBoxes()) {
        return;
    }
    const auto focused =
        static_cast<int>(SendMessageA(getWindow(), LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
    if (focused >= 0) {
        queueCheck(focused);
    }
}

void JovTablePeer::queueCheck(int row) {
    if (row >= table->getRowCount()) {
        return;
    }
    JovObject* rowObject = table->getRows().elementAt(row);
    if (rowObject == nullptr) {
        return;
    }
    pendingChecks.push_back({JovReference<JovObject>(rowObject), !table->isChecked(row)});
    postDeferredWork();
}

void JovTablePeer::runDeferredWork() {
    std::vector<CheckChange> changes;
    changes.swap(pendingChecks);
    for (const CheckChange& change : changes) {
        // A listener may have removed the table: its window is then gone.
        const int row = getWindow() != nullptr ? table->indexOfRow(change.row.get()) : -1;
        if (row >= 0) {
            table->userChecked(row, change.checked);
        }
    }
}

void JovTablePeer::itemChanged(void* header) {
    const auto* change = static_cast<const NMLISTVIEW*>(header);
    if (applying || (change->uChanged & LVIF_STATE) == 0) {
        return;
    }
    // Item -1: the change applied to every item. The control is usually not done yet (it
    // clears all rows, then selects one), so the table reads it back when the next row changes
    // or the control returns.
    if (change->iItem < 0) {
        selectionStale = true;
        if (controlDepth == 0) {
            readSelectionFromControl();
        }
        return;
    }
    if (((change->uNewState ^ change->uOldState) & LVIS_SELECTED) == 0) {
        return;
    }
    if (selectionStale) {
        readSelectionFromControl();
        return;
    }
    table->selectionChangedInControl(change->iItem, (change->uNewState & LVIS_SELECTED) != 0);
}

void JovTablePeer::readSelectionFromControl() {
    selectionStale = false;
    const std::vector<int> shown = selectedInControl(0);
    for (int row : table->getSelectedRows()) {
        // Rows the owner has not announced yet are not in the control and keep their mark.
        if (row < table->getAnnouncedRowCount() &&
            !std::binary_search(shown.begin(), shown.end(), row)) {
            table->selectionChangedInControl(row, false);
        }
    }
    for (int row : shown) {
        table->selectionChangedInControl(row, true);
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
