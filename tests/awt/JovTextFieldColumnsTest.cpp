// Text fields sized in columns keep their width whatever their text. Selecting the whole text is
// driven in the wizard tests.
#include "WidgetTest.h"
#include "awt/JovTextField.h"

using JovTextFieldColumnsTest = WidgetTest;

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
    narrow->setColumns(-3);
    EXPECT_EQ(narrow->getColumns(), 0);
    EXPECT_LT(narrow->getPreferredSize().width, wide->getPreferredSize().width);
}
