// What the editing forms need of the widgets: labels skipped by Tab or
// showing a picture, and a component shown again taking its place at once.
#include "WidgetTest.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovImageIcon.h"
#include "awt/JovLabel.h"
#include "awt/JovPanel.h"
#include "awt/JovTextField.h"

#include <gtest/gtest.h>

using FormWidgetsTest = WidgetTest;

TEST_F(FormWidgetsTest, TabPassesLabelsBy) {
    auto* first = new JovTextField;
    auto* second = new JovTextField;
    HWND firstWindow = place(first, 10, 10, 100, 24);
    place(new JovLabel("Name:"), 10, 40, 100, 24);
    place(second, 10, 70, 100, 24);
    SetFocus(firstWindow);
    pressKey(firstWindow, VK_TAB);
    EXPECT_EQ(GetFocus(), windowOf(second));
}

TEST_F(FormWidgetsTest, ALabelWithAPictureIsOwnerDrawnAtThePicturesSize) {
    auto* label = new JovLabel("Menü");
    auto* icon = new JovImageIcon("images/DoseKleinMenue.bmp");
    ASSERT_GT(icon->getIconWidth(), 0);
    label->setIcon(icon);
    HWND window = place(label, 10, 10, 100, 60);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    const JovDimension size = label->getPreferredSize();
    EXPECT_EQ(size.width, icon->getIconWidth());
    EXPECT_EQ(size.height, icon->getIconHeight());
    label->setIcon(nullptr);
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK, SS_LEFT);
}

TEST_F(FormWidgetsTest, AComponentShownAgainTakesItsPlaceInTheLayoutAtOnce) {
    auto* bar = new JovPanel;
    bar->setLayout(new JovFlowLayout);
    auto* search = new JovTextField("Suche");
    auto* added = new JovLabel("Neu");
    auto* last = new JovLabel("Ende");
    bar->add(search);
    bar->add(added);
    bar->add(last);
    added->hide();
    place(bar, 0, 0, 400, 40);
    bar->validate();
    const int lastAlone = last->getX();
    added->show();
    EXPECT_GT(last->getX(), lastAlone);
    EXPECT_EQ(added->getX(), lastAlone);
}
