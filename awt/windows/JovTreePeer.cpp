// The tree-view peer: items built from the model, pictures from the tree's renderer, and the
// control's selection, expansion and deletion notifications read back into the tree.

#include "awt/windows/JovTreePeer.h"
#include "awt/windows/JovFlagGuard.h"

#include "awt/JovDefaultMutableTreeNode.h"
#include "awt/JovTree.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/windows/JovControlFont.h"
#include "awt/windows/JovImageList.h"
#include "awt/windows/JovMToolkit.h"

#include <windows.h>

#include <commctrl.h>

namespace {

constexpr int singleClick = 1;
constexpr int doubleClick = 2;
constexpr int labelLength = 260;

// Keeps the control from laying out and drawing after every item of a rebuild; it draws once at
// the end.
class PausedRedraw {
public:
    explicit PausedRedraw(HWND window) : window(window) {
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }
    ~PausedRedraw() {
        SendMessageA(window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window, nullptr, TRUE);
    }
    PausedRedraw(const PausedRedraw&) = delete;
    PausedRedraw& operator=(const PausedRedraw&) = delete;

private:
    HWND window;
};

JovDefaultMutableTreeNode* nodeOfItem(const TVITEMA& item) {
    return reinterpret_cast<JovDefaultMutableTreeNode*>(item.lParam);
}

} // namespace

JovTreePeer::JovTreePeer(JovTree* tree)
    : JovComponentPeer(tree), tree(tree), images(new JovImageList()), applying(false) {
}

JovTreePeer::~JovTreePeer() {
    // Items whose deletion the control could no longer report (it went with its window).
    for (auto& shown : items) {
        const_cast<JovDefaultMutableTreeNode*>(shown.first)->release();
    }
}

const char* JovTreePeer::windowClass() const {
    return WC_TREEVIEWA;
}

unsigned long JovTreePeer::windowStyle() const {
    // The selected node stays marked while the user ticks ingredients in a table: it is their
    // target.
    unsigned long style = WS_CHILD | WS_CLIPSIBLINGS | TVS_HASBUTTONS | TVS_HASLINES |
                          TVS_SHOWSELALWAYS | visibleStyle();
    return tree->isEditable() ? style | TVS_EDITLABELS : style;
}

JovString JovTreePeer::windowTitle() const {
    return "Tree View";
}

void JovTreePeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
    SendMessageA(getWindow(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images->getHandle()));
    rebuild();
    selectNode(tree->getSelectedNode());
}

void JovTreePeer::rebuild() {
    JovFlagGuard guard(applying);
    const PausedRedraw paused(getWindow());
    SendMessageA(getWindow(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    JovDefaultMutableTreeNode* root = tree->getRoot();
    if (root != nullptr) {
        insertSubtree(root, TVI_ROOT, TVI_LAST);
    }
}

JovTreePeer::ItemHandle JovTreePeer::itemOf(const JovDefaultMutableTreeNode* node) const {
    const auto found = items.find(node);
    return found != items.end() ? found->second : nullptr;
}

bool JovTreePeer::isShown(const JovDefaultMutableTreeNode* node) const {
    return itemOf(node) != nullptr;
}

bool JovTreePeer::isExpandedInControl(const JovDefaultMutableTreeNode* node) const {
    ItemHandle item = itemOf(node);
    if (item == nullptr) {
        return false;
    }
    const auto state =
        SendMessageA(getWindow(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}

void JovTreePeer::readExpansion() {
    for (const auto& shown : items) {
        auto* node = const_cast<JovDefaultMutableTreeNode*>(shown.first);
        tree->expansionChangedInControl(node, isExpandedInControl(node));
    }
}

JovTreePeer::ItemHandle JovTreePeer::insertItem(JovDefaultMutableTreeNode* node, ItemHandle parent,
                                                ItemHandle after) {
    const JovString label = node->toString();
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(label.chars());
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    const int image = images->indexOf(tree->getNodeImage(node));
    if (image != JovImageList::NO_IMAGE) {
        insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
    }
    auto item = reinterpret_cast<ItemHandle>(
        SendMessageA(getWindow(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item != nullptr) {
        node->addRef();
        items[node] = item;
    }
    return item;
}

void JovTreePeer::insertSubtree(JovDefaultMutableTreeNode* node, ItemHandle parent,
                                ItemHandle after) {
    ItemHandle item = insertItem(node, parent, after);
    if (item == nullptr) {
        return;
    }
    for (int i = 0; i < node->getChildCount(); ++i) {
        insertSubtree(node->getChildAt(i), item, TVI_LAST);
    }
    applyExpansion(node);
}

void JovTreePeer::applyExpansion(JovDefaultMutableTreeNode* node) {
    if (tree->isExpansionRecorded(node)) {
        expandNode(node, true);
    }
}

void JovTreePeer::insertNode(JovDefaultMutableTreeNode* parent, JovDefaultMutableTreeNode* child) {
    ItemHandle parentItem = itemOf(parent);
    if (parentItem == nullptr || isShown(child)) {
        return;
    }
    const int index = parent->getIndex(child);
    ItemHandle after = TVI_FIRST;
    if (index > 0) {
        ItemHandle previous = itemOf(parent->getChildAt(index - 1));
        after = previous != nullptr ? previous : TVI_LAST;
    }
    JovFlagGuard guard(applying);
    insertSubtree(child, parentItem, after);
    applyExpansion(parent);
}

void JovTreePeer::removeNode(JovDefaultMutableTreeNode* node) {
    ItemHandle item = itemOf(node);
    if (item == nullptr) {
        return;
    }
    JovFlagGuard guard(applying);
    SendMessageA(getWindow(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void JovTreePeer::updateNode(JovDefaultMutableTreeNode* node) {
    ItemHandle item = itemOf(node);
    if (item == nullptr) {
        return;
    }
    const JovString label = node->toString();
    TVITEMA entry = {};
    entry.mask = TVIF_TEXT;
    entry.hItem = item;
    entry.pszText = const_cast<char*>(label.chars());
    const int image = images->indexOf(tree->getNodeImage(node));
    if (image != JovImageList::NO_IMAGE) {
        entry.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        entry.iImage = image;
        entry.iSelectedImage = image;
    }
    SendMessageA(getWindow(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
}

void JovTreePeer::expandNode(JovDefaultMutableTreeNode* node, bool expand) {
    ItemHandle item = itemOf(node);
    if (item == nullptr) {
        return;
    }
    JovFlagGuard guard(applying);
    SendMessageA(getWindow(), TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE,
                 reinterpret_cast<LPARAM>(item));
}

void JovTreePeer::selectNode(JovDefaultMutableTreeNode* node) {
    JovFlagGuard guard(applying);
    SendMessageA(getWindow(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(itemOf(node)));
}

std::vector<JovString> JovTreePeer::labelPath(JovDefaultMutableTreeNode* node) const {
    std::vector<JovString> path;
    for (ItemHandle item = itemOf(node); item != nullptr;
         item = reinterpret_cast<ItemHandle>(SendMessageA(getWindow(), TVM_GETNEXTITEM, TVGN_PARENT,
                                                          reinterpret_cast<LPARAM>(item)))) {
        char label[labelLength] = {};
        TVITEMA entry = {};
        entry.mask = TVIF_TEXT;
        entry.hItem = item;
        entry.pszText = label;
        entry.cchTextMax = labelLength;
        SendMessageA(getWindow(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
        path.insert(path.begin(), JovString(label));
    }
    return path;
}

std::intptr_t JovTreePeer::handleNotify(int code, void* header) {
    const auto* change = static_cast<const NMTREEVIEWA*>(header);
    switch (static_cast<UINT>(code)) {
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW:
        itemDeleted(header);
        return 0;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
        if (!applying) {
            tree->selectionChangedInControl(nodeOfItem(change->itemNew));
        }
        return 0;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW:
        if (!applying) {
            tree->expansionChangedInControl(nodeOfItem(change->itemNew),
                                            change->action == TVE_EXPAND);
        }
        return 0;
    case NM_CLICK:
        deliverClick(singleClick);
        return 0;
    case NM_DBLCLK:
        deliverClick(doubleClick);
        return 0;
    case NM_RCLICK:
        // The context menu message follows; its menu is built for the node under the mouse.
        selectItemUnderMouse();
        return 0;
    default:
        return 0;
    }
}

void JovTreePeer::itemDeleted(void* header) {
    const auto* change = static_cast<const NMTREEVIEWA*>(header);
    JovDefaultMutableTreeNode* node = nodeOfItem(change->itemOld);
    const auto found = items.find(node);
    if (found == items.end() || found->second != change->itemOld.hItem) {
        return;
    }
    items.erase(found);
    node->release();
}

POINT JovTreePeer::mouseInWindow() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(getWindow(), &cursor);
    return cursor;
}

void JovTreePeer::selectItemUnderMouse() {
    TVHITTESTINFO hit = {};
    hit.pt = mouseInWindow();
    SendMessageA(getWindow(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.hItem != nullptr) {
        SendMessageA(getWindow(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hit.hItem));
    }
}

void JovTreePeer::deliverClick(int clickCount) {
    // The notification carries no position: the mouse is still where it was clicked.
    const POINT cursor = mouseInWindow();
    int x = cursor.x;
    int y = cursor.y;
    toComponent(x, y);
    deliverMouseEvent(getWindow(), JovMouseEvent::MOUSE_CLICKED, x, y, clickCount,
                      JovMToolkit::currentModifiers(), false);
}

JovString JovTreePeer::toString() const {
    return "ool.awt.windows.JovTreePeer";
}
