#include "awt/windows/JovChoicePeer.h"

#include "awt/JovChoice.h"
#include "awt/windows/JovControlFont.h"
#include "io/JovPrintWriter.h"

#include <windows.h>

namespace {
constexpr int arrowWidth = 28;
constexpr int edgeMargin = 8;
} // namespace

JovChoicePeer::JovChoicePeer(JovChoice* choice) : JovComponentPeer(choice), choice(choice) {
}

const char* JovChoicePeer::windowClass() const {
    return "COMBOBOX";
}

unsigned long JovChoicePeer::windowStyle() const {
    return WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | visibleStyle();
}

JovRectangle JovChoicePeer::windowBounds(int x, int y, int width, int height) const {
    const JovRectangle field = JovComponentPeer::windowBounds(x, y, width, height);
    return JovRectangle(field.x, field.y, field.width, field.height + DROPPED_LIST_HEIGHT);
}

void JovChoicePeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
    for (int i = 0; i < choice->getItemCount(); ++i) {
        addItem(choice->getItem(i));
    }
    select(choice->getSelectedIndex());
}

void JovChoicePeer::addItem(const JovString& item) {
    SendMessageA(getWindow(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.chars()));
}

void JovChoicePeer::removeItem(int index) {
    SendMessageA(getWindow(), CB_DELETESTRING, index, 0);
}

void JovChoicePeer::removeAll() {
    SendMessageA(getWindow(), CB_RESETCONTENT, 0, 0);
}

void JovChoicePeer::select(int index) {
    SendMessageA(getWindow(), CB_SETCURSEL, index, 0);
}

int JovChoicePeer::getSelectedIndex() const {
    return static_cast<int>(SendMessageA(getWindow(), CB_GETCURSEL, 0, 0));
}

JovDimension JovChoicePeer::getPreferredSize() {
    JovDimension widest = JovControlFont::measure(JovString());
    for (int i = 0; i < choice->getItemCount(); ++i) {
        const JovDimension item = JovControlFont::measure(choice->getItem(i));
        widest.width = item.width > widest.width ? item.width : widest.width;
    }
    return JovDimension(widest.width + arrowWidth, widest.height + edgeMargin);
}

void JovChoicePeer::handleCommand(int notificationCode) {
    if (notificationCode == CBN_SELCHANGE) {
        choice->selectionChanged(getSelectedIndex());
    }
}

bool JovChoicePeer::handleTab(int) {
    JovPrintWriter::standardOutput().println("Tab pressed");
    return true;
}

JovString JovChoicePeer::toString() const {
    return "ool.awt.windows.JovChoicePeer";
}
