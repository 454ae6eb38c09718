#include "awt/JovToggleButton.h"

#include "awt/JovButtonGroup.h"
#include "awt/windows/JovToggleButtonPeer.h"

JovToggleButton::~JovToggleButton() {
    if (group != nullptr) {
        group->remove(this);
    }
}

void JovToggleButton::setSelected(bool isSelected) {
    selected = isSelected;
    if (auto* peer = getPeerAs<JovToggleButtonPeer>()) {
        peer->setChecked(isSelected);
    }
    if (isSelected && group != nullptr) {
        group->selectOnly(this);
    }
}

bool JovToggleButton::isSelected() const {
    return selected;
}

void JovToggleButton::setGroup(JovButtonGroup* newGroup) {
    if (newGroup == group) {
        return;
    }
    if (newGroup != nullptr) {
        newGroup->addRef();
    }
    JovButtonGroup* old = group;
    group = newGroup;
    if (old != nullptr) {
        old->remove(this);
        old->release();
    }
}

void JovToggleButton::doClick() {
    setSelected(selectionAfterClick());
    fireActionPerformed();
}

void JovToggleButton::controlClicked() {
    // The auto control has already moved its check mark; it is the truth now.
    const auto* peer = getPeerAs<JovToggleButtonPeer>();
    setSelected(peer != nullptr ? peer->isChecked() : selectionAfterClick());
    fireActionPerformed();
}

JovString JovToggleButton::toString() const {
    return labelledText("JovToggleButton");
}
