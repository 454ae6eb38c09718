// Menus in a frame's real Win32 menu bar and a popup: commands by id, separators, check marks.
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
