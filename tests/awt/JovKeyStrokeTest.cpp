// Key strokes: which key events they match.
#include "awt/JovKeyStroke.h"
#include "LiveObjectTest.h"
#include "awt/event/JovKeyEvent.h"

#include <gtest/gtest.h>

class JovKeyStrokeTest : public LiveObjectTest {};

TEST_F(JovKeyStrokeTest, MatchesOnlyThePressOfTheKeyWithExactlyItsModifiers) {
    const JovKeyStroke stroke('P', JovKeyEvent::CTRL_MASK);
    const JovKeyEvent ctrlP(nullptr, JovKeyEvent::KEY_PRESSED, 0, JovKeyEvent::CTRL_MASK, 'P', 'P');
    const JovKeyEvent plainP(nullptr, JovKeyEvent::KEY_PRESSED, 0, 0, 'P', 'P');
    const JovKeyEvent ctrlShiftP(nullptr, JovKeyEvent::KEY_PRESSED, 0,
                                 JovKeyEvent::CTRL_MASK | JovKeyEvent::SHIFT_MASK, 'P', 'P');
    const JovKeyEvent released(nullptr, JovKeyEvent::KEY_RELEASED, 0, JovKeyEvent::CTRL_MASK, 'P',
                               'P');
    EXPECT_TRUE(stroke.matches(ctrlP));
    EXPECT_FALSE(stroke.matches(plainP));
    EXPECT_FALSE(stroke.matches(ctrlShiftP));
    EXPECT_FALSE(stroke.matches(released));
}
