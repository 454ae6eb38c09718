// Message and question boxes: each type's icon and buttons, and the answer of each button. The
// real boxes are answered in the application's dialog and window tests.
#include "awt/windows/JovOptionPanePeer.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(JovOptionPanePeerTest, EachTypeHasItsIconAndButtonsAndEachButtonItsAnswer) {
    EXPECT_EQ(JovOptionPanePeer::boxStyle(1), 16u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(2), 64u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(3), 48u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(4), 36u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(0), 0u);
    EXPECT_EQ(JovOptionPanePeer::boxStyle(99), 0u);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDYES), 0);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDNO), 1);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDCANCEL), 2);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDIGNORE), 2);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDOK), 3);
    EXPECT_EQ(JovOptionPanePeer::answerOf(IDABORT), 4);
}
