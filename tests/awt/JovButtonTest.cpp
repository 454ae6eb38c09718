// Push buttons on real BUTTON controls: a disabled button does not act on the user's click.
#include "awt/JovButton.h"
#include "WidgetTest.h"

#include <gtest/gtest.h>

#include <algorithm>

class JovButtonTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        button = new JovButton("Speichern");
        button->addActionListener(&log);
        buttonWindow = place(button, 10, 10, 120, 30);
    }

    JovButton* button = nullptr;
    HWND buttonWindow = nullptr;
};

TEST_F(JovButtonTest, ADisabledButtonDoesNotAct) {
    button->setEnabled(false);
    button->doClick();
    SendMessageA(buttonWindow, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(buttonWindow));
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "action Speichern"), 1)
        << "only the programmatic click acts";
}
