// The tabbed pane on a real tab control under Wine: the chosen tab's page is shown and the others
// hidden, a click on a tab switches pages and notifies, and bad indexes are refused.
#include "awt/TabbedPane.h"

#include "WidgetTest.h"
#include "awt/JovPanel.h"

#include <commctrl.h>

namespace {

constexpr int paneWidth = 400;
constexpr int paneHeight = 300;

class TabbedPaneTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        pane = new TabbedPane();
        ingredients = new JovPanel();
        menus = new JovPanel();
        pane->addTab("Zutaten", ingredients);
        pane->addTab("Menüs", menus);
        pane->addChangeListener(&log);
    }

    void show() { place(pane, 10, 10, paneWidth, paneHeight); }
    HWND control() const { return windowOf(pane); }

    void clickTab(int index) {
        RECT tab = {};
        SendMessageA(control(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tab));
        click(control(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    }

    TabbedPane* pane = nullptr;
    JovPanel* ingredients = nullptr;
    JovPanel* menus = nullptr;
};

TEST_F(TabbedPaneTest, ClickingATabShowsItsPageAndHidesTheOthers) {
    show();
    clickTab(1);
    EXPECT_EQ(pane->getSelectedIndex(), 1);
    EXPECT_EQ(pane->getSelectedComponent(), menus);
    EXPECT_TRUE(IsWindowVisible(windowOf(menus)));
    EXPECT_FALSE(IsWindowVisible(windowOf(ingredients)));
    EXPECT_EQ(log.entries, Entries{"stateChanged"});
    clickTab(0);
    EXPECT_TRUE(IsWindowVisible(windowOf(ingredients)));
    EXPECT_FALSE(IsWindowVisible(windowOf(menus)));
    EXPECT_EQ(log.entries, (Entries{"stateChanged", "stateChanged"}));
}

TEST_F(TabbedPaneTest, RemovingTheChosenPageChoosesTheFirstTabLeft) {
    auto* labels = new JovPanel();
    pane->addTab("Etiketten", labels);
    pane->setSelectedIndex(1);
    show();
    pane->remove(menus);
    EXPECT_EQ(pane->getTabCount(), 2);
    EXPECT_EQ(SendMessageA(control(), TCM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(pane->getTitleAt(1), JovString("Etiketten"));
    EXPECT_EQ(pane->getSelectedIndex(), 0);
    EXPECT_TRUE(IsWindowVisible(windowOf(ingredients)));
    pane->setSelectedIndex(1);
    EXPECT_TRUE(IsWindowVisible(windowOf(labels)));
    pane->remove(ingredients);
    EXPECT_EQ(pane->getSelectedIndex(), 0);
    EXPECT_EQ(pane->getSelectedComponent(), labels);
}

TEST_F(TabbedPaneTest, TitlesAndBadIndexesAreHandled) {
    pane->setSelectedIndex(5);
    EXPECT_EQ(pane->getSelectedIndex(), 0);
    EXPECT_EQ(pane->getTitleAt(1), JovString("Menüs"));
    EXPECT_EQ(pane->getTitleAt(2), JovString());
    show();
    pane->setTitleAt(0, "Zutaten (12)");
    char text[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(control(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(JovString(text), JovString("Zutaten (12)"));
    EXPECT_EQ(log.entries, Entries{});
}

} // namespace
