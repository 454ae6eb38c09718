// Frame title, menu bar, icon and window state, kept here and mirrored by the native window while
// there is one.

#include "awt/JovFrame.h"

#include "awt/JovMenuBar.h"
#include "awt/windows/JovFramePeer.h"

namespace {

constexpr const char* programIcon = "quorvane";

int knownState(int state) {
    if (state == JovFrame::ICONIFIED || state == JovFrame::MAXIMIZED_BOTH) {
        return state;
    }
    return JovFrame::NORMAL;
}

} // namespace

JovFrame::JovFrame() : JovFrame(JovString()) {
}

JovFrame::JovFrame(const JovString& title) : title(title), iconName(programIcon), state(NORMAL) {
}

JovFrame::~JovFrame() {
    setMenuBar(nullptr);
}

JovFramePeer* JovFrame::framePeer() const {
    return getPeerAs<JovFramePeer>();
}

void JovFrame::setTitle(const JovString& newTitle) {
    title = newTitle;
    if (getPeer() != nullptr) {
        getPeer()->setText(newTitle);
    }
}

void JovFrame::setMenuBar(JovComponent* newMenuBar) {
    if (newMenuBar == menuBar.get()) {
        return;
    }
    if (auto* oldBar = dynamic_cast<JovMenuBar*>(menuBar.get())) {
        oldBar->uninstall();
    }
    menuBar.reset(newMenuBar);
    auto* bar = dynamic_cast<JovMenuBar*>(newMenuBar);
    if (bar != nullptr && getPeer() != nullptr) {
        bar->installIn(this);
    }
}

void JovFrame::addNotify() {
    JovWindow::addNotify();
    auto* bar = dynamic_cast<JovMenuBar*>(menuBar.get());
    if (bar != nullptr && getPeer() != nullptr) {
        bar->installIn(this);
    }
}

void JovFrame::setIconName(const JovString& name) {
    iconName = name;
    if (framePeer() != nullptr) {
        framePeer()->setIcon(name);
    }
}

void JovFrame::setExtendedState(int newState) {
    state = knownState(newState);
    if (framePeer() != nullptr) {
        framePeer()->setState(state);
    }
}

int JovFrame::getExtendedState() const {
    return framePeer() != nullptr ? framePeer()->getState() : state;
}

void JovFrame::setNormalBounds(const JovRectangle& bounds) {
    normalBounds = bounds;
    if (framePeer() != nullptr) {
        framePeer()->setNormalBounds(bounds);
    }
}

JovRectangle JovFrame::getNormalBounds() const {
    return framePeer() != nullptr ? framePeer()->getNormalBounds() : normalBounds;
}

JovString JovFrame::toString() const {
    return "ool.awt.JovFrame";
}
