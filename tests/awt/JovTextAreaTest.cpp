// Text areas on the real rich edit control.
#include "awt/JovTextArea.h"
#include "WidgetTest.h"

#include "awt/windows/JovComponentPeer.h"

#include <gtest/gtest.h>

class JovTextAreaTest : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        area = new JovTextArea("Frisch\r\ngekocht");
        area->addDocumentListener(&log);
    }

    JovTextArea* area = nullptr;
};

TEST_F(JovTextAreaTest, WrappedLinesDoNotScrollSideways) {
    area->setLineWrap(true);
    HWND window = place(area, 10, 10, 200, 100);
    EXPECT_EQ(styleOf(window) & ES_AUTOHSCROLL, 0);
}

TEST_F(JovTextAreaTest, AChangeIsADocumentEventWithLinesEndingInCrLf) {
    HWND window = place(area, 10, 10, 200, 100);
    area->setText("eins\r\nzwei");
    pumpFor(30);
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries.back(), "document eins\r\nzwei");
    EXPECT_EQ(area->getText(), JovString("eins\r\nzwei"));
    SendMessageA(window, EM_SETSEL, 0, 0);
    type(window, "x");
    EXPECT_EQ(area->getText(), JovString("xeins\r\nzwei"));
}

TEST_F(JovTextAreaTest, TabStaysWithTheControl) {
    HWND window = place(area, 10, 10, 200, 100);
    SetFocus(window);
    SendMessageA(window, EM_SETSEL, 0, 0);
    pressKey(window, VK_TAB);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(area->getText(), JovString("\tFrisch\r\ngekocht"));
}
