#include "awt/windows/JovButtonPeer.h"

#include "awt/JovButton.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

namespace {
constexpr int horizontalMargin = 24;
constexpr int verticalMargin = 10;
} // namespace

JovButtonPeer::JovButtonPeer(JovAbstractButton* button) : JovComponentPeer(button), button(button) {
}

const char* JovButtonPeer::windowClass() const {
    return "BUTTON";
}

unsigned long JovButtonPeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | buttonStyle() | visibleStyle();
}

unsigned long JovButtonPeer::buttonStyle() const {
    const auto* pushButton = dynamic_cast<const JovButton*>(button);
    return pushButton != nullptr && pushButton->isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void JovButtonPeer::setDefaultLook(bool isDefault) {
    if (getWindow() != nullptr) {
        SendMessageA(getWindow(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

JovString JovButtonPeer::windowTitle() const {
    return button->getLabel();
}

void JovButtonPeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
}

JovDimension JovButtonPeer::getPreferredSize() {
    const JovDimension text = JovControlFont::measure(button->getLabel());
    return JovDimension(text.width + horizontalMargin, text.height + verticalMargin);
}

JovString JovButtonPeer::toString() const {
    return "ool.awt.windows.JovButtonPeer";
}
