// Menu accelerators typed on the real keyboard with the focus in a field, search field, table or
// tree, and items greyed after the bar was installed.
#include "WidgetTest.h"
#include "awt/JovComboBox.h"
#include "awt/JovKeyStroke.h"
#include "awt/JovMenu.h"
#include "awt/JovMenuBar.h"
#include "awt/JovTable.h"
#include "awt/JovTextField.h"
#include "awt/JovTree.h"
#include "awt/event/JovKeyEvent.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

constexpr int keyPause = 60;

// Presses key with Ctrl held or not, as the user would, and lets the messages through.
void typeKey(WORD key, bool withCtrl) {
    if (withCtrl) {
        keybd_event(VK_CONTROL, 0, 0, 0);
    }
    keybd_event(static_cast<BYTE>(key), 0, 0, 0);
    keybd_event(static_cast<BYTE>(key), 0, KEYEVENTF_KEYUP, 0);
    if (withCtrl) {
        keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    }
}

class MenuAcceleratorTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        auto* bar = new JovMenuBar;
        editMenu = bar->add(new JovMenu("&Bearbeiten"));
        editItem = editMenu->add(
            new JovMenuItem("&Bearbeiten", new JovKeyStroke('E', JovKeyEvent::CTRL_MASK)));
        editItem->setActionCommand("edit");
        helpItem = bar->add(new JovMenu("&Hilfe"))
                       ->add(new JovMenuItem("&Hilfe", new JovKeyStroke(VK_F1, 0)));
        helpItem->setActionCommand("help");
        editItem->addActionListener(&log);
        helpItem->addActionListener(&log);
        frame->setMenuBar(bar);
        pumpFor(keyPause);
    }

    void focusAndType(HWND target, WORD key, bool withCtrl) {
        SetForegroundWindow(windowOf(frame));
        SetFocus(target);
        pumpFor(keyPause);
        typeKey(key, withCtrl);
        pumpFor(keyPause);
    }

    JovMenu* editMenu = nullptr;
    JovMenuItem* editItem = nullptr;
    JovMenuItem* helpItem = nullptr;
};

HWND editOfComboBox(HWND comboBox) {
    return FindWindowExA(comboBox, nullptr, "EDIT", nullptr);
}

} // namespace

TEST_F(MenuAcceleratorTest, CtrlEAndF1ActWhereverTheFocusIsInTheFrame) {
    JovVector names;
    names.addElement("Name");
    const struct {
        const char* where;
        JovComponent* component;
        bool innerEdit;
    } cases[] = {
        {"text field", new JovTextField, false},
        {"search field", new JovComboBox, true},
        {"table", new JovTable(JovVector(), names), false},
        {"tree", new JovTree(nullptr), false},
    };
    int y = 10;
    for (const auto& spot : cases) {
        HWND window = place(spot.component, 10, y, 200, 60);
        y += 70;
        HWND target = spot.innerEdit ? editOfComboBox(window) : window;
        ASSERT_NE(target, nullptr) << spot.where;
        log.entries.clear();
        focusAndType(target, 'E', true);
        focusAndType(target, VK_F1, false);
        EXPECT_EQ(log.entries, (Log{"action edit", "action help"})) << spot.where;
    }
}

TEST_F(MenuAcceleratorTest, AnItemGreyedAfterInstallingIsGreyedInTheNativeMenuAndSilent) {
    HMENU bar = GetMenu(windowOf(frame));
    HMENU nativeEdit = GetSubMenu(bar, 0);
    editItem->setEnabled(false);
    EXPECT_NE(GetMenuState(nativeEdit, editItem->getCommandId(), MF_BYCOMMAND) & MF_GRAYED, 0u);
    auto* field = new JovTextField;
    HWND window = place(field, 10, 10, 200, 24);
    focusAndType(window, 'E', true);
    EXPECT_EQ(log.entries, Log{});
    editItem->setEnabled(true);
    EXPECT_EQ(GetMenuState(nativeEdit, editItem->getCommandId(), MF_BYCOMMAND) & MF_GRAYED, 0u);
    focusAndType(window, 'E', true);
    EXPECT_EQ(log.entries, (Log{"action edit"}));
}

// Keys typed in the search field reach the combo box's key listeners once; the inner edit field
// keeps neither Enter nor Escape, and Tab moves the focus on.
TEST_F(MenuAcceleratorTest, SearchFieldKeysReachItsListenersOnceAndTabMovesOn) {
    auto* search = new JovComboBox;
    search->addKeyListener(&log);
    HWND edit = editOfComboBox(place(search, 10, 10, 200, 60));
    HWND next = place(new JovTextField, 10, 80, 200, 24);
    ASSERT_NE(edit, nullptr);
    for (const WORD key : {WORD{'A'}, WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
        focusAndType(edit, key, false);
    }
    EXPECT_EQ(log.entries, (Log{"keyPressed 65", "keyReleased 65", "keyPressed 13",
                                "keyReleased 13", "keyPressed 27", "keyReleased 27"}));
    EXPECT_STREQ(search->getText().chars(), "a");
    focusAndType(edit, VK_TAB, false);
    EXPECT_EQ(GetFocus(), next);
}
