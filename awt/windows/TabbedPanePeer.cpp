// The tab-control peer: titles written into the control, the page area measured by the control,
// and the control's selection notification handed to the pane.

#include "awt/windows/TabbedPanePeer.h"

#include "awt/TabbedPane.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

#include <commctrl.h>

namespace {

// A page area to measure against before the control has a size of its own.
constexpr int nominalWidth = 400;
constexpr int nominalHeight = 300;

} // namespace

TabbedPanePeer::TabbedPanePeer(TabbedPane* pane) : JovContainerPeer(pane), pane(pane) {
}

const char* TabbedPanePeer::windowClass() const {
    return WC_TABCONTROLA;
}

void TabbedPanePeer::initialize() {
    JovContainerPeer::initialize();
    JovControlFont::apply(getWindow());
    for (int i = 0; i < pane->getTabCount(); ++i) {
        insertTab(i, pane->getTitleAt(i));
    }
    selectTab(pane->getSelectedIndex());
}

void TabbedPanePeer::insertTab(int index, const JovString& title) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title.chars());
    SendMessageA(getWindow(), TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void TabbedPanePeer::setTabTitle(int index, const JovString& title) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(title.chars());
    SendMessageA(getWindow(), TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
}

void TabbedPanePeer::removeTab(int index) {
    SendMessageA(getWindow(), TCM_DELETEITEM, index, 0);
}

void TabbedPanePeer::selectTab(int index) {
    if (index >= 0) {
        SendMessageA(getWindow(), TCM_SETCURSEL, index, 0);
    }
}

JovInsets TabbedPanePeer::pageInsets() const {
    RECT client;
    GetClientRect(getWindow(), &client);
    if (client.right <= 0 || client.bottom <= 0) {
        client = RECT{0, 0, nominalWidth, nominalHeight};
    }
    RECT page = client;
    SendMessageA(getWindow(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    return JovInsets(page.top - client.top, page.left - client.left, client.bottom - page.bottom,
                     client.right - page.right);
}

std::intptr_t TabbedPanePeer::handleNotify(int code, void*) {
    if (static_cast<UINT>(code) == TCN_SELCHANGE) {
        pane->tabChosenInControl(static_cast<int>(SendMessageA(getWindow(), TCM_GETCURSEL, 0, 0)));
    }
    return 0;
}

JovString TabbedPanePeer::toString() const {
    return "ool.awt.windows.TabbedPanePeer";
}
