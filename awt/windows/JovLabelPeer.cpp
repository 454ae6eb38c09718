#include "awt/windows/JovLabelPeer.h"

#include "awt/JovContainer.h"
#include "awt/JovImageIcon.h"
#include "awt/JovLabel.h"
#include "awt/windows/JovControlFont.h"

#include <windows.h>

namespace {

constexpr int opaqueAlpha = 254;
constexpr int fullIntensity = 255;
// The control breaks its lines at words with a measure of its own, which may need a pixel more
// than the measured extent: without it the last character of a label is cut off.
constexpr int lineSlack = 2;

unsigned long alignmentStyle(int alignment) {
    switch (alignment) {
    case JovLabel::CENTER:
        return SS_CENTER;
    case JovLabel::RIGHT:
        return SS_RIGHT;
    default:
        return SS_LEFT;
    }
}

unsigned long contentStyle(const JovLabel* label) {
    return label->getIcon() != nullptr ? SS_OWNERDRAW : alignmentStyle(label->getAlignment());
}

COLORREF colorRef(const JovColor& color) {
    return RGB(color.getRed(), color.getGreen(), color.getBlue());
}

} // namespace

JovLabelPeer::JovLabelPeer(JovLabel* label)
    : JovComponentPeer(label), label(label), backgroundBrush(nullptr) {
}

JovLabelPeer::~JovLabelPeer() {
    if (backgroundBrush != nullptr) {
        DeleteObject(backgroundBrush);
    }
}

const char* JovLabelPeer::windowClass() const {
    return "STATIC";
}

unsigned long JovLabelPeer::windowStyle() const {
    return WS_CHILD | WS_CLIPSIBLINGS | contentStyle(label) | visibleStyle();
}

JovString JovLabelPeer::windowTitle() const {
    return toControlLines(label->getText());
}

void JovLabelPeer::initialize() {
    JovComponentPeer::initialize();
    JovControlFont::apply(getWindow());
    replaceBrush();
}

JovString JovLabelPeer::toControlLines(const JovString& text) {
    JovString lines;
    for (int i = 0; i < text.length(); ++i) {
        const char c = text.charAt(i);
        if (c == '\n' && (i == 0 || text.charAt(i - 1) != '\r')) {
            lines += '\r';
        }
        lines += c;
    }
    return lines;
}

void JovLabelPeer::setText(const JovString& text) {
    JovComponentPeer::setText(toControlLines(text));
}

JovString JovLabelPeer::getText() const {
    const JovString shown = JovComponentPeer::getText();
    JovString text;
    for (int i = 0; i < shown.length(); ++i) {
        if (shown.charAt(i) != '\r') {
            text += shown.charAt(i);
        }
    }
    return text;
}

void JovLabelPeer::setAlignment(int) {
    replaceContentStyle();
}

void JovLabelPeer::setPictureStyle(bool) {
    replaceContentStyle();
}

void JovLabelPeer::replaceContentStyle() {
    if (getWindow() == nullptr) {
        return;
    }
    const LONG style = GetWindowLongA(getWindow(), GWL_STYLE) & ~SS_TYPEMASK;
    SetWindowLongA(getWindow(), GWL_STYLE, style | contentStyle(label));
    repaint();
}

void JovLabelPeer::setForeground(const JovColor&) {
    repaint();
}

void JovLabelPeer::setBackground(const JovColor& color) {
    JovComponentPeer::setBackground(color);
    replaceBrush();
}

void JovLabelPeer::replaceBrush() {
    if (backgroundBrush != nullptr) {
        DeleteObject(backgroundBrush);
        backgroundBrush = nullptr;
    }
    backgroundBrush = CreateSolidBrush(colorRef(shownBackground()));
}

JovColor JovLabelPeer::shownBackground() const {
    // Like library windows, a label without a background of its own shows its parents'.
    for (const JovComponent* above = label; above != nullptr; above = above->getParent()) {
        if (above->getBackground().getAlpha() > opaqueAlpha) {
            return above->getBackground();
        }
    }
    return JovColor(fullIntensity, fullIntensity, fullIntensity);
}

std::intptr_t JovLabelPeer::handleControlColor(DeviceContext context) {
    SetTextColor(context, colorRef(label->getForeground()));
    SetBkColor(context, colorRef(shownBackground()));
    return reinterpret_cast<std::intptr_t>(backgroundBrush);
}

JovDimension JovLabelPeer::getPreferredSize() {
    const JovImageIcon* icon = label->getIcon();
    if (icon != nullptr) {
        return JovDimension(icon->getIconWidth(), icon->getIconHeight());
    }
    const JovDimension text = JovControlFont::measure(toControlLines(label->getText()));
    return JovDimension(text.width + lineSlack, text.height);
}

JovString JovLabelPeer::toString() const {
    return "ool.awt.windows.JovLabelPeer";
}
