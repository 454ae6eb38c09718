// Menus in a frame's real Win32 menu bar: commands by id, separators, check marks, labels and
// accelerators.
#include "awt/JovMenu.h"
#include "WidgetTest.h"
#include "awt/JovCheckboxMenuItem.h"
#include "awt/JovKeyStroke.h"
#include "awt/JovMenuBar.h"
#include "awt/JovPopupMenu.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

class JovMenuTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        menuBar = new JovMenuBar;
        fileMenu = menuBar->add(new JovMenu("&Datei"));
        printItem = fileMenu->add(new JovMenuItem("&Drucken", new JovKeyStroke('P', 0)));
        printItem->setActionCommand("print");
        fileMenu->addSeparator();
        separator = fileMenu->getItem(1);
        setupItem = new JovCheckboxMenuItem("&Eingabemodus");
        fileMenu->add(setupItem);
        for (JovMenuItem* item : {printItem, separator, static_cast<JovMenuItem*>(setupItem)}) {
            item->addActionListener(&log);
        }
        frame->setMenuBar(menuBar);
        pumpFor(30);
        nativeFile = GetSubMenu(GetMenu(windowOf(frame)), 0);
    }
    void choose(const JovMenuItem* item) {
        SendMessageA(windowOf(frame), WM_COMMAND, MAKEWPARAM(item->getCommandId(), 0), 0);
    }
    std::string nativeLabel(const JovMenuItem* item) {
        char text[64] = {};
        GetMenuStringA(nativeFile, item->getCommandId(), text, sizeof text, MF_BYCOMMAND);
        return text;
    }

    JovMenuBar* menuBar = nullptr;
    JovMenu* fileMenu = nullptr;
    JovMenuItem* printItem = nullptr;
    JovMenuItem* separator = nullptr;
    JovCheckboxMenuItem* setupItem = nullptr;
    HMENU nativeFile = nullptr;
};

TEST_F(JovMenuTest, OnlyALiveItemThatIsNoSeparatorActsOnItsOwnCommand) {
    EXPECT_NE(printItem->getCommandId(), setupItem->getCommandId());
    EXPECT_EQ(JovMenuItem::itemForCommand(setupItem->getCommandId()), setupItem);
    auto* gone = new JovMenuItem("weg");
    gone->addRef();
    const int goneId = gone->getCommandId();
    gone->release();
    EXPECT_EQ(JovMenuItem::itemForCommand(goneId), nullptr);
    SendMessageA(windowOf(frame), WM_COMMAND, MAKEWPARAM(goneId, 0), 0);
    choose(separator);
    separator->doClick();
    choose(printItem);
    EXPECT_EQ(log.entries, (Entries{"action print"}));
}

TEST_F(JovMenuTest, ACheckboxItemFlipsItsCheckMarkAndActs) {
    choose(setupItem);
    EXPECT_TRUE(setupItem->getState());
    EXPECT_NE(GetMenuState(nativeFile, setupItem->getCommandId(), MF_BYCOMMAND) & MF_CHECKED, 0u);
    choose(setupItem);
    EXPECT_FALSE(setupItem->getState());
    EXPECT_EQ(GetMenuState(nativeFile, setupItem->getCommandId(), MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(log.entries, (Entries{"action &Eingabemodus", "action &Eingabemodus"}));
}

TEST_F(JovMenuTest, ALabelChangedLaterIsChangedInPlace) {
    printItem->setLabel("Etiketten &drucken");
    EXPECT_EQ(nativeLabel(printItem), "Etiketten &drucken");
    EXPECT_EQ(GetMenuItemCount(nativeFile), 3);
    printItem->setLabel(JovMenuItem::SEPARATOR_LABEL);
    EXPECT_NE(GetMenuState(nativeFile, 0, MF_BYPOSITION) & MF_SEPARATOR, 0u);
}

TEST_F(JovMenuTest, RemovingTheMenuBarTakesTheNativeMenuAway) {
    menuBar->addRef();
    frame->setMenuBar(nullptr);
    EXPECT_EQ(GetMenu(windowOf(frame)), nullptr);
    EXPECT_EQ(printItem->getNativeMenu(), nullptr);
    choose(printItem);
    EXPECT_EQ(log.entries, (Entries{"action print"})) << "the item still acts by its id";
    menuBar->release();
}

namespace {
// The window rectangle's size that the client rectangle needs with a menu bar of one row.
SIZE windowSizeWithMenuFor(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    return SIZE{client.right - client.left, client.bottom - client.top};
}

void expectMenuBarShown(HWND window) {
    MENUBARINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMenuBarInfo(window, OBJID_MENU, 0, &info));
    EXPECT_GT(info.rcBar.bottom - info.rcBar.top, 0) << "the bar has a row on the screen";
    RECT outer = {};
    GetWindowRect(window, &outer);
    const SIZE expected = windowSizeWithMenuFor(window);
    EXPECT_EQ(outer.right - outer.left, expected.cx);
    EXPECT_EQ(outer.bottom - outer.top, expected.cy) << "the client area leaves room for the bar";
}
} // namespace

TEST_F(JovMenuTest, TheBarTakesItsRowAboveTheClientArea) {
    expectMenuBarShown(windowOf(frame));
}

class JovMenuBarTest : public ToolkitTest {};

TEST_F(JovMenuBarTest, ABarSetBeforeTheFrameIsShownAppearsWithIt) {
    auto* frame = new JovFrame("Menüleiste");
    frame->setLayout(nullptr);
    frame->setBounds(40, 40, 400, 300);
    auto* bar = new JovMenuBar;
    bar->add(new JovMenu("&Datei"))->add(new JovMenuItem("&Beenden"));
    frame->setMenuBar(bar);
    frame->show();
    pumpFor(30);
    expectMenuBarShown(windowOf(frame));
    frame->dispose();
}

class JovPopupMenuTest : public WidgetTest {};

TEST_F(JovPopupMenuTest, TheChosenEntryOfAnOpenPopupActs) {
    auto* popup = new JovPopupMenu;
    popup->addRef();
    JovMenuItem* edit = popup->add("Bearbeiten");
    popup->addSeparator();
    edit->addActionListener(&log);
    auto* field = new JovTextField;
    place(field, 10, 10, 100, 24);
    // The menu runs its own loop: a timer chooses the first entry and closes it.
    SetTimer(windowOf(frame), 1, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        keybd_event(VK_DOWN, 0, 0, 0);
        keybd_event(VK_DOWN, 0, KEYEVENTF_KEYUP, 0);
        keybd_event(VK_RETURN, 0, 0, 0);
        keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
    });
    popup->show(field, 5, 5);
    KillTimer(windowOf(frame), 1);
    pumpFor(50);
    EXPECT_EQ(log.entries, (Entries{"action Bearbeiten"}));
    EXPECT_EQ(edit->getNativeMenu(), nullptr) << "the native menu is gone after it closed";
    popup->release();
}
