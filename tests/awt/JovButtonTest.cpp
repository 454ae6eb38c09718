// Push buttons on real BUTTON controls: clicks, Enter, accelerators and the state kept before
// the control exists.
#include "awt/JovButton.h"
#include "WidgetTest.h"
#include "awt/JovKeyStroke.h"
#include "awt/JovTextField.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/windows/JovComponentPeer.h"

#include <gtest/gtest.h>

#include <algorithm>

class JovButtonTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        button = new JovButton("Speichern");
        button->addActionListener(&log);
        button->addMouseListener(&log);
        buttonWindow = place(button, 10, 10, 120, 30);
    }

    JovButton* button = nullptr;
    HWND buttonWindow = nullptr;
};

TEST_F(JovButtonTest, AClickGivesPressedReleasedAndOneActionWithItsCommandOnceSet) {
    SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    pumpFor(30);
    EXPECT_EQ(log.entries, (Entries{"pressed", "released", "action Speichern"}));
    button->setActionCommand("save");
    SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    EXPECT_EQ(log.entries.back(), "action save");
    EXPECT_EQ(button->getLabel(), JovString("Speichern"));
}

TEST_F(JovButtonTest, EnterIsTheActionOfTheFocusedButtonOnly) {
    auto* field = new JovTextField;
    HWND fieldWindow = place(field, 10, 60, 120, 24);
    SetFocus(fieldWindow);
    pressKey(fieldWindow, VK_RETURN);
    EXPECT_EQ(log.entries, Entries{});
    SetFocus(buttonWindow);
    pressKey(buttonWindow, VK_RETURN);
    EXPECT_EQ(log.entries, (Entries{"action Speichern"}));
}

TEST_F(JovButtonTest, TheAcceleratorActsFromAnyComponentOfTheWindow) {
    button->setAccelerator(new JovKeyStroke('S', JovKeyEvent::CTRL_MASK));
    auto* field = new JovTextField;
    HWND fieldWindow = place(field, 10, 60, 120, 24);
    SetFocus(fieldWindow);
    // The key state the toolkit reads the modifiers from.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    pressKey(fieldWindow, 'S');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(log.entries, (Entries{"action Speichern"}));
    pressKey(fieldWindow, 'S');
    EXPECT_EQ(log.entries.size(), 1u) << "without Ctrl the key is no accelerator";
}

TEST_F(JovButtonTest, ADisabledButtonDoesNotAct) {
    button->setEnabled(false);
    button->doClick();
    SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(buttonWindow));
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "action Speichern"), 1)
        << "only the programmatic click acts";
}
