// The walk over a window's children and the choice of reader by window class.
#include "WindowTreeLines.h"

#include "ListViewLines.h"
#include "ProbeLine.h"
#include "RemoteMemory.h"
#include "TabControlLines.h"
#include "TreeViewLines.h"

#include <commctrl.h>

namespace {

constexpr int classNameCapacity = 256;

std::wstring classOf(HWND window) {
    wchar_t name[classNameCapacity] = {};
    GetClassNameW(window, name, classNameCapacity);
    return name;
}

// WM_GETTEXT is carried across processes, so this also reads other processes' controls.
std::wstring textOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

bool sameClass(const std::wstring& name, const wchar_t* wanted) {
    return lstrcmpiW(name.c_str(), wanted) == 0;
}

} // namespace

void WindowTreeLines::print() const {
    printWindow(top, 0);
}

void WindowTreeLines::printWindow(HWND window, int depth) const {
    const std::wstring className = classOf(window);
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    ProbeLine("window")
        .number(depth)
        .handle(window)
        .text(className)
        .rectangle(bounds)
        .flag(IsWindowVisible(window) != FALSE)
        .flag(IsWindowEnabled(window) != FALSE)
        .text(textOf(window))
        .print();
    if (!childrenToo) {
        return;
    }
    // What a user cannot see is not read: a table on a hidden tab page would only cost time.
    if (IsWindowVisible(window)) {
        printContents(window, className);
    }
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        printWindow(child, depth + 1);
    }
}

void WindowTreeLines::printContents(HWND window, const std::wstring& className) const {
    if (sameClass(className, WC_COMBOBOXW)) {
        printComboEntries(window);
        return;
    }
    const bool listView = sameClass(className, WC_LISTVIEWW);
    const bool treeView = sameClass(className, WC_TREEVIEWW);
    const bool tabControl = sameClass(className, WC_TABCONTROLW);
    if (!listView && !treeView && !tabControl) {
        return;
    }
    const RemoteMemory memory(window);
    if (!memory.isValid()) {
        ProbeLine("error").handle(window).text(L"cannot reach the window's process").print();
        return;
    }
    if (listView) {
        ListViewLines(window, memory).print();
    } else if (treeView) {
        TreeViewLines(window, memory).print();
    } else {
        TabControlLines(window, memory).print();
    }
}

void WindowTreeLines::printComboEntries(HWND combo) const {
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
        if (length < 0) {
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        ProbeLine("entry").handle(combo).number(index).text(text).print();
    }
}
