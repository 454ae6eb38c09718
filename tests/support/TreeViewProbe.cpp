// Tree-view messages behind the probe.
#include "TreeViewProbe.h"

namespace {

constexpr int labelLength = 256;

} // namespace

int TreeViewProbe::itemCount() const {
    return static_cast<int>(SendMessageA(control, TVM_GETCOUNT, 0, 0));
}

HTREEITEM TreeViewProbe::item(UINT relation, HTREEITEM from) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(control, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
}

std::string TreeViewProbe::labelOf(HTREEITEM item) const {
    char label[labelLength] = {};
    TVITEMA entry = {};
    entry.mask = TVIF_TEXT;
    entry.hItem = item;
    entry.pszText = label;
    entry.cchTextMax = labelLength;
    SendMessageA(control, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    return label;
}

bool TreeViewProbe::expanded(HTREEITEM item) const {
    return (SendMessageA(control, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
}

POINT TreeViewProbe::pointOf(HTREEITEM item) const {
    RECT label = {};
    // The item goes in where the rectangle comes out.
    *reinterpret_cast<HTREEITEM*>(&label) = item;
    SendMessageA(control, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label));
    return POINT{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
}
