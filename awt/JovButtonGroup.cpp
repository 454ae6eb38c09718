#include "awt/JovButtonGroup.h"

#include "awt/JovToggleButton.h"

#include <algorithm>

JovButtonGroup::~JovButtonGroup() = default;

void JovButtonGroup::add(JovToggleButton* button) {
    if (button == nullptr || std::find(buttons.begin(), buttons.end(), button) != buttons.end()) {
        return;
    }
    buttons.push_back(button);
    button->setGroup(this);
    if (button->isSelected()) {
        selectOnly(button);
    }
}

void JovButtonGroup::remove(JovToggleButton* button) {
    const auto place = std::find(buttons.begin(), buttons.end(), button);
    if (place == buttons.end()) {
        return;
    }
    buttons.erase(place);
    button->setGroup(nullptr);
}

void JovButtonGroup::selectOnly(JovToggleButton* button) {
    for (JovToggleButton* member : std::vector<JovToggleButton*>(buttons)) {
        if (member != button && member->isSelected()) {
            member->setSelected(false);
        }
    }
}

JovToggleButton* JovButtonGroup::getSelection() const {
    for (JovToggleButton* member : buttons) {
        if (member->isSelected()) {
            return member;
        }
    }
    return nullptr;
}

JovString JovButtonGroup::toString() const {
    return "ool.awt.JovButtonGroup";
}
