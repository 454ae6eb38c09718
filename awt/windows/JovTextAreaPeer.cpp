#include "awt/windows/JovTextAreaPeer.h"

#include "awt/JovTextArea.h"

#include <windows.h>

// After the platform header, whose types it uses.
#include <richedit.h>

namespace {

// The library that registers the rich edit window class; loaded once and kept for the process.
constexpr const char* richEditLibrary = "RichEd32.dll";

void loadRichEdit() {
    static const HMODULE library = LoadLibraryA(richEditLibrary);
    (void)library;
}

} // namespace

JovTextAreaPeer::JovTextAreaPeer(JovTextArea* textArea)
    : JovTextFieldPeer(textArea), textArea(textArea) {
    loadRichEdit();
}

const char* JovTextAreaPeer::windowClass() const {
    return "RichEdit";
}

unsigned long JovTextAreaPeer::windowStyle() const {
    const unsigned long scrolling = textArea->getLineWrap() ? 0 : ES_AUTOHSCROLL;
    return WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | scrolling |
           editableStyle() | visibleStyle();
}

void JovTextAreaPeer::initialize() {
    JovTextFieldPeer::initialize();
    SendMessageA(getWindow(), EM_SETEVENTMASK, 0, ENM_CHANGE);
}

bool JovTextAreaPeer::handleTab(int) {
    return false;
}

JovDimension JovTextAreaPeer::getPreferredSize() {
    return textArea->getSize();
}

JovString JovTextAreaPeer::toString() const {
    return "ool.awt.windows.JovTextAreaPeer";
}
