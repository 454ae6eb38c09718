// System colours come from the window system under their GetSysColor index.
#include "awt/JovSystemColor.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

using JovSystemColorTest = LiveObjectTest;

TEST_F(JovSystemColorTest, ComponentsAreThoseOfTheWindowSystem) {
    for (const int index : {JovSystemColor::menu, JovSystemColor::control, JovSystemColor::window,
                            JovSystemColor::highlight}) {
        const JovSystemColor color(index);
        const COLORREF expected = GetSysColor(index);
        EXPECT_EQ(color.getRed(), GetRValue(expected)) << index;
        EXPECT_EQ(color.getGreen(), GetGValue(expected)) << index;
        EXPECT_EQ(color.getBlue(), GetBValue(expected)) << index;
        EXPECT_EQ(color.getAlpha(), JovColor::opaque) << index;
    }
}
