// Text fields sized in columns, and selecting a field's whole text.
#include "WidgetFixture.h"
#include "awt/JovTextField.h"

using JovTextFieldColumnsTest = WidgetFixture;

TEST_F(JovTextFieldColumnsTest, ColumnsFixTheWidthWhateverTheText) {
    auto* narrow = new JovTextField("1", 4);
    auto* wide = new JovTextField("12345678901234567890", 4);
    auto* free = new JovTextField("12345678901234567890");
    place(narrow, 10, 10, 80, 24);
    place(wide, 10, 40, 80, 24);
    place(free, 10, 70, 80, 24);
    EXPECT_EQ(narrow->getPreferredSize().width, wide->getPreferredSize().width);
    EXPECT_GT(free->getPreferredSize().width, narrow->getPreferredSize().width);
    free->setColumns(4);
    EXPECT_EQ(free->getPreferredSize().width, narrow->getPreferredSize().width);
    narrow->setColumns(8);
    EXPECT_GT(narrow->getPreferredSize().width, wide->getPreferredSize().width);
    narrow->setColumns(-3);
    EXPECT_EQ(narrow->getColumns(), 0);
}

TEST_F(JovTextFieldColumnsTest, SelectAllSelectsTheWholeTextSoTypingReplacesIt) {
    auto* field = new JovTextField("Mo, 07.12.26");
    const HWND window = place(field, 10, 10, 150, 24);
    field->selectAll();
    DWORD start = 1;
    DWORD end = 0;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 12u);
    type(window, "24.12.");
    EXPECT_STREQ(field->getText().chars(), "24.12.");

    auto* unshown = new JovTextField("ohne Fenster");
    unshown->addRef();
    unshown->selectAll();
    unshown->release();
}
