// Text fields on real EDIT controls: document events per change, Enter, and the state kept
// before the control exists.
#include "awt/JovTextField.h"
#include "WidgetTest.h"

#include <gtest/gtest.h>

class JovTextFieldTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        field = new JovTextField("Brot");
        field->addDocumentListener(&log);
        field->addActionListener(&log);
    }

    JovTextField* field = nullptr;
};

TEST_F(JovTextFieldTest, TheTextSetBeforeTheControlIsCopiedIntoIt) {
    HWND window = place(field, 10, 10, 150, 24);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "Edit");
    EXPECT_EQ(windowText(window), "Brot");
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(log.entries, Entries{}) << "making the control is no change";
}

TEST_F(JovTextFieldTest, EveryTypedCharacterOrSetTextIsOneDocumentEventWithTheWholeText) {
    HWND window = place(field, 10, 10, 150, 24);
    SendMessageA(window, EM_SETSEL, 4, 4);
    type(window, "e!");
    EXPECT_EQ(log.entries, (Entries{"document Brote", "document Brote!"}));
    EXPECT_EQ(field->getText(), JovString("Brote!"));
    field->setText("Käse");
    EXPECT_EQ(windowText(window), "K\xE4se");
    EXPECT_EQ(log.entries.back(), "document K\xE4se") << "setting the text is one change";
    EXPECT_EQ(log.entries.size(), 3u);
}

TEST_F(JovTextFieldTest, EnterIsTheActionWithTheTextAsCommand) {
    HWND window = place(field, 10, 10, 150, 24);
    SetFocus(window);
    pressKey(window, VK_RETURN);
    EXPECT_EQ(log.entries, (Entries{"action Brot"}));
    field->setActionCommand("search");
    pressKey(window, VK_RETURN);
    EXPECT_EQ(log.entries.back(), "action search");
}

TEST_F(JovTextFieldTest, TheTextSurvivesTheControl) {
    HWND window = place(field, 10, 10, 150, 24);
    SendMessageA(window, EM_SETSEL, 0, -1);
    type(window, "Milch");
    field->addRef();
    frame->remove(field);
    EXPECT_EQ(field->getPeer(), nullptr);
    EXPECT_EQ(field->getText(), JovString("Milch"));
    field->release();
}
