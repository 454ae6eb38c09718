#include "awt/windows/JovCheckBoxPeer.h"

#include "awt/JovToggleButton.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

namespace {
constexpr int boxWidth = 20;
constexpr int verticalMargin = 4;
} // namespace

unsigned long JovCheckBoxPeer::windowStyle() const {
    return WS_CHILD | buttonStyle() | BS_LEFT | BS_VCENTER | BS_MULTILINE | visibleStyle();
}

unsigned long JovCheckBoxPeer::buttonStyle() const {
    return BS_AUTOCHECKBOX;
}

JovDimension JovCheckBoxPeer::getPreferredSize() {
    const JovDimension text = JovControlFont::measure(getButton()->getLabel());
    return JovDimension(text.width + boxWidth, text.height + verticalMargin);
}

JovString JovCheckBoxPeer::toString() const {
    return "ool.awt.windows.JovCheckBoxPeer";
}
