#include "awt/JovMenu.h"

#include "io/JovPrintWriter.h"

JovMenuItem* JovMenu::add(JovMenuItem* item) {
    if (item != nullptr) {
        items.addElement(item);
    }
    return item;
}

JovMenuItem* JovMenu::add(const JovString& label) {
    return add(new JovMenuItem(label));
}

void JovMenu::addSeparator() {
    add(SEPARATOR_LABEL);
}

void JovMenu::remove(int index) {
    if (index < 0 || index >= items.size()) {
        JovPrintWriter::standardError().println(JovString("JovMenu: no item ") +
                                                JovString::valueOf(index));
        return;
    }
    items.removeElementAt(index);
}

JovMenuItem* JovMenu::getItem(int index) const {
    if (index < 0 || index >= items.size()) {
        return nullptr;
    }
    return static_cast<JovMenuItem*>(items.elementAt(index));
}

void JovMenu::doClick() {
}

JovString JovMenu::toString() const {
    return labelledText("JovMenu");
}
