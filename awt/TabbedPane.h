// Pages behind tabs: one child component per tab, stacked by a card layout so that only the page
// of the chosen tab is shown. The native tab control draws the tabs; the pages are its children.
#pragma once

#include "awt/JovContainer.h"
#include "util/JovVector.h"

class ChangeListener;
class JovAWTEventMulticaster;
class JovCardLayout;
class TabbedPanePeer;

class TabbedPane : public JovContainer {
public:
    TabbedPane();
    ~TabbedPane() override;

    // Appends a tab showing page; the first tab added is the chosen one.
    void addTab(const JovString& title, JovComponent* page);
    int getTabCount() const { return titles.size(); }
    // The empty text, with an error line, for an index out of range.
    JovString getTitleAt(int index) const;
    void setTitleAt(int index, const JovString& title);
    // The tab whose page holds component directly, or -1.
    int indexOfComponent(const JovComponent* component) const;

    // -1 while there are no tabs.
    int getSelectedIndex() const { return selectedIndex; }
    // Shows that tab's page and hides the others; change listeners hear of it. An index out of
    // range changes nothing.
    void setSelectedIndex(int index);
    JovComponent* getSelectedComponent() const;

    // Not owned.
    void addChangeListener(ChangeListener* listener);
    void removeChangeListener(ChangeListener* listener);

    // Removing a page removes its tab; the chosen tab moves to the first when it was removed.
    void remove(JovComponent* component) override;

    // The tab strip and the control's border around the pages.
    JovInsets getInsets() override;

    // The page area is measured by the control once it exists.
    void addNotify() override;

    // From the peer: the user chose a tab.
    void tabChosenInControl(int index);

    JovString toString() const override;

private:
    TabbedPanePeer* panePeer() const;
    void choose(int index);

    JovCardLayout* cards;
    JovVector titles;
    JovVector cardNames;
    int cardSerial;
    int selectedIndex;
    JovAWTEventMulticaster* changeListeners;
};
