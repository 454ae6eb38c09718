// Tabs and their pages: the card layout shows the chosen page, the peer mirrors the titles.

#include "awt/TabbedPane.h"

#include "awt/JovAWTEventMulticaster.h"
#include "awt/JovCardLayout.h"
#include "awt/event/ChangeEvent.h"
#include "awt/windows/TabbedPanePeer.h"
#include "io/JovPrintWriter.h"

namespace {

// What the tab strip and border take when there is no control yet to ask.
constexpr int stripHeight = 24;
constexpr int borderWidth = 4;

} // namespace

TabbedPane::TabbedPane()
    : cards(new JovCardLayout()), cardSerial(0), selectedIndex(-1), changeListeners(nullptr) {
    setLayout(cards);
}

TabbedPane::~TabbedPane() {
    changeListeners = JovAWTEventMulticaster::remove(changeListeners, nullptr);
}

TabbedPanePeer* TabbedPane::panePeer() const {
    return getPeerAs<TabbedPanePeer>();
}

void TabbedPane::addTab(const JovString& title, JovComponent* page) {
    if (page == nullptr || indexOfComponent(page) >= 0) {
        JovPrintWriter::standardError().println("TabbedPane: no page or page already shown");
        return;
    }
    // Card names are unique even when titles repeat.
    const JovString name = "tab" + JovString::valueOf(++cardSerial);
    add(page, name);
    if (page->getParent() != this) {
        return;
    }
    titles.addElement(title);
    cardNames.addElement(name);
    if (panePeer() != nullptr) {
        panePeer()->insertTab(titles.size() - 1, title);
    }
    if (selectedIndex < 0) {
        choose(0);
    }
}

JovString TabbedPane::getTitleAt(int index) const {
    if (index < 0 || index >= titles.size()) {
        JovPrintWriter::standardError().println("TabbedPane: no tab " + JovString::valueOf(index));
        return JovString();
    }
    return titles.elementAt(index)->toString();
}

void TabbedPane::setTitleAt(int index, const JovString& title) {
    if (index < 0 || index >= titles.size()) {
        return;
    }
    titles.setElementAt(new JovString(title), index);
    if (panePeer() != nullptr) {
        panePeer()->setTabTitle(index, title);
    }
}

int TabbedPane::indexOfComponent(const JovComponent* component) const {
    for (int i = 0; i < getComponentCount(); ++i) {
        if (getComponent(i) == component) {
            return i;
        }
    }
    return -1;
}

void TabbedPane::remove(JovComponent* component) {
    const int index = indexOfComponent(component);
    if (index < 0) {
        return;
    }
    titles.removeElementAt(index);
    cardNames.removeElementAt(index);
    if (panePeer() != nullptr) {
        panePeer()->removeTab(index);
    }
    JovContainer::remove(component);
    if (index < selectedIndex) {
        // The same page stays chosen; only its index moved.
        --selectedIndex;
        return;
    }
    if (index == selectedIndex) {
        selectedIndex = -1;
        if (!titles.isEmpty()) {
            choose(0);
        }
    }
}

JovComponent* TabbedPane::getSelectedComponent() const {
    return selectedIndex >= 0 ? getComponent(selectedIndex) : nullptr;
}

void TabbedPane::setSelectedIndex(int index) {
    if (index < 0 || index >= titles.size() || index == selectedIndex) {
        return;
    }
    choose(index);
}

void TabbedPane::tabChosenInControl(int index) {
    if (index >= 0 && index < titles.size() && index != selectedIndex) {
        choose(index);
    }
}

void TabbedPane::choose(int index) {
    selectedIndex = index;
    cards->show(this, cardNames.elementAt(index)->toString());
    if (panePeer() != nullptr) {
        panePeer()->selectTab(index);
    }
    if (changeListeners != nullptr) {
        ChangeEvent event(this);
        changeListeners->stateChanged(event);
    }
}

void TabbedPane::addChangeListener(ChangeListener* listener) {
    changeListeners = JovAWTEventMulticaster::add(changeListeners, listener);
}

void TabbedPane::removeChangeListener(ChangeListener* listener) {
    if (listener != nullptr) {
        changeListeners = JovAWTEventMulticaster::remove(changeListeners, listener);
    }
}

JovInsets TabbedPane::getInsets() {
    const JovInsets outer = JovContainer::getInsets();
    const JovInsets strip = panePeer() != nullptr
                                ? panePeer()->pageInsets()
                                : JovInsets(stripHeight, borderWidth, borderWidth, borderWidth);
    return JovInsets(outer.top + strip.top, outer.left + strip.left, outer.bottom + strip.bottom,
                     outer.right + strip.right);
}

void TabbedPane::addNotify() {
    JovContainer::addNotify();
    invalidate();
    validate();
}

JovString TabbedPane::toString() const {
    const JovString current = selectedIndex >= 0 ? getTitleAt(selectedIndex) : JovString();
    return "ool.awt.TabbedPane[,text=" + current + "]";
}
