#include "awt/windows/JovTextFieldPeer.h"

#include "awt/JovTextField.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

namespace {

constexpr int edgeMargin = 8;
// The width of one column, as wide as the widest common letter.
constexpr const char* columnLetter = "m";

unsigned long alignmentStyle(const JovTextComponent* component) {
    const auto* field = dynamic_cast<const JovTextField*>(component);
    const int alignment = field != nullptr ? field->getHorizontalAlignment() : JovTextField::LEFT;
    switch (alignment) {
    case JovTextField::CENTER:
        return ES_CENTER;
    case JovTextField::RIGHT:
        return ES_RIGHT;
    default:
        return ES_LEFT;
    }
}

} // namespace

JovTextFieldPeer::JovTextFieldPeer(JovTextComponent* textComponent)
    : JovComponentPeer(textComponent), textComponent(textComponent) {
}

const char* JovTextFieldPeer::windowClass() const {
    return "EDIT";
}

unsigned long JovTextFieldPeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | editableStyle() |
           alignmentStyle(textComponent) | visibleStyle();
}

unsigned long JovTextFieldPeer::editableStyle() const {
    return textComponent->isEditable() ? 0 : ES_READONLY;
}

unsigned long JovTextFieldPeer::windowExStyle() const {
    return WS_EX_CLIENTEDGE;
}

JovString JovTextFieldPeer::windowTitle() const {
    return textComponent->getText();
}

void JovTextFieldPeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
    const auto* field = dynamic_cast<const JovTextField*>(textComponent);
    if (field != nullptr && field->getEchoChar() != 0) {
        setEchoChar(field->getEchoChar());
    }
}

void JovTextFieldPeer::setEchoChar(char echo) {
    if (getWindow() == nullptr) {
        return;
    }
    // The control sets or clears its password style itself.
    SendMessageA(getWindow(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(echo), 0);
    repaint();
}

void JovTextFieldPeer::selectAll() {
    if (getWindow() != nullptr) {
        SendMessageA(getWindow(), EM_SETSEL, 0, -1);
    }
}

void JovTextFieldPeer::setEditable(bool editable) {
    if (getWindow() != nullptr) {
        SendMessageA(getWindow(), EM_SETREADONLY, editable ? FALSE : TRUE, 0);
    }
}

JovDimension JovTextFieldPeer::getPreferredSize() {
    const JovDimension text = JovControlFont::measure(textComponent->getText());
    const auto* field = dynamic_cast<const JovTextField*>(textComponent);
    const int columns = field != nullptr ? field->getColumns() : 0;
    const int width =
        columns > 0 ? columns * JovControlFont::measure(columnLetter).width : text.width;
    return JovDimension(width + edgeMargin, text.height + edgeMargin);
}

JovString JovTextFieldPeer::toString() const {
    return "ool.awt.windows.JovTextFieldPeer";
}
