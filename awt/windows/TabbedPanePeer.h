// The native side of a tabbed pane: a tab control whose children are the pages' windows. Choosing
// a tab in the control tells the pane, which shows that tab's page.
#pragma once

#include "awt/windows/JovContainerPeer.h"

class TabbedPane;

class TabbedPanePeer : public JovContainerPeer {
public:
    explicit TabbedPanePeer(TabbedPane* pane);

    void insertTab(int index, const JovString& title);
    void setTabTitle(int index, const JovString& title);
    void removeTab(int index);
    // Marks the tab chosen in the control; no notification comes back.
    void selectTab(int index);
    // The tab strip and border around the page area, in pixels.
    JovInsets pageInsets() const;

    std::intptr_t handleNotify(int code, void* header) override;

    JovString toString() const override;

protected:
    const char* windowClass() const override;
    void initialize() override;

private:
    TabbedPane* pane;
};
