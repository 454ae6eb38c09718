// Labels on real STATIC controls: lines and colours.
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

TEST_F(JovLabelTest, TheControlDrawsInTheForegroundAndBackgroundColours) {
    auto* label = new JovLabel("rot");
    label->setForeground(JovColor(200, 0, 0));
    label->setBackground(JovColor(0, 0, 120));
    HWND window = place(label, 10, 10, 100, 20);
    HDC context = GetDC(window);
    const LRESULT brush =
        SendMessageA(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(GetTextColor(context), RGB(200, 0, 0));
    EXPECT_EQ(GetBkColor(context), RGB(0, 0, 120));
    LOGBRUSH described = {};
    ASSERT_NE(GetObjectA(reinterpret_cast<HGDIOBJ>(brush), sizeof described, &described), 0);
    EXPECT_EQ(described.lbColor, RGB(0, 0, 120));
    ReleaseDC(window, context);
}

TEST_F(JovLabelTest, WithoutABackgroundTheLabelShowsItsParents) {
    frame->setBackground(JovColor(10, 120, 10));
    auto* label = new JovLabel("grün");
    HWND window = place(label, 10, 10, 100, 20);
    HDC context = GetDC(window);
    SendMessageA(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                 reinterpret_cast<LPARAM>(window));
    EXPECT_EQ(GetBkColor(context), RGB(10, 120, 10));
    ReleaseDC(window, context);
}
