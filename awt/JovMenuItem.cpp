#include "awt/JovMenuItem.h"

#include "awt/windows/JovMenuPeer.h"

#include <mutex>
#include <vector>

namespace {

// Native command ids are 16 bits wide; the list wraps round after that many items.
constexpr int commandIdRange = 0x10000;

// Not counted: an item leaves its slot empty when it is deleted, so the ids of the others stay.
struct ItemList {
    std::mutex lock;
    std::vector<JovMenuItem*> items;
};

ItemList& itemList() {
    static ItemList list;
    return list;
}

int enter(JovMenuItem* item) {
    ItemList& list = itemList();
    std::lock_guard<std::mutex> guard(list.lock);
    list.items.push_back(item);
    return static_cast<int>(list.items.size() - 1) % commandIdRange;
}

void leave(const JovMenuItem* item) {
    ItemList& list = itemList();
    std::lock_guard<std::mutex> guard(list.lock);
    for (JovMenuItem*& entry : list.items) {
        if (entry == item) {
            entry = nullptr;
        }
    }
}

} // namespace

JovMenuItem::JovMenuItem(const JovString& label, JovKeyStroke* accelerator)
    : JovAbstractButton(label), commandId(enter(this)), nativeMenu(nullptr) {
    setAccelerator(accelerator);
}

JovMenuItem::~JovMenuItem() {
    leave(this);
}

void JovMenuItem::setLabel(const JovString& label) {
    JovAbstractButton::setLabel(label);
    JovMenuPeer::updateItem(this);
}

void JovMenuItem::setEnabled(bool enabled) {
    JovAbstractButton::setEnabled(enabled);
    JovMenuPeer::updateItem(this);
}

bool JovMenuItem::isSeparator() const {
    return getLabel() == JovString(SEPARATOR_LABEL);
}

void JovMenuItem::doClick() {
    if (!isSeparator() && isEnabled()) {
        JovAbstractButton::doClick();
    }
}

JovMenuItem* JovMenuItem::itemForCommand(int commandId) {
    ItemList& list = itemList();
    std::lock_guard<std::mutex> guard(list.lock);
    // The newest item with the id: after wrapping round, older ones gave up their id.
    for (auto index = static_cast<int>(list.items.size()) - 1; index >= 0; --index) {
        if (index % commandIdRange == commandId) {
            return list.items[index];
        }
    }
    return nullptr;
}

JovString JovMenuItem::toString() const {
    return labelledText("JovMenuItem");
}
