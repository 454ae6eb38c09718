// Labels on real STATIC controls: their lines reach the control with Windows line ends.
#include "awt/JovLabel.h"
#include "WidgetTest.h"
#include "awt/windows/JovLabelPeer.h"

#include "awt/windows/JovComponentPeer.h"

#include <gtest/gtest.h>

class JovLabelTest : public WidgetTest {};

TEST_F(JovLabelTest, LinesReachTheControlWithWindowsLineEndsNeverDoubled) {
    auto* label = new JovLabel("Zu verbrauchen\nbis morgen");
    HWND window = place(label, 10, 10, 200, 40);
    EXPECT_EQ(windowText(window), "Zu verbrauchen\r\nbis morgen");
    EXPECT_EQ(label->getPeer()->getText(), JovString("Zu verbrauchen\nbis morgen"));
    label->setText("eine Zeile");
    EXPECT_EQ(windowText(window), "eine Zeile");
    EXPECT_EQ(label->getText(), JovString("eine Zeile"));
    EXPECT_EQ(JovLabelPeer::toControlLines("a\r\nb\nc\n"), JovString("a\r\nb\r\nc\r\n"));
}
