// The events' identifiers and text forms: the key and mouse events name their kind and values,
// the other events their class.
#include "LiveObjectTest.h"
#include "awt/event/ChangeEvent.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovAdjustmentEvent.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovListSelectionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeSelectionEvent.h"
#include "awt/event/JovWindowEvent.h"

#include <gtest/gtest.h>

using EventTextFormsTest = LiveObjectTest;

TEST_F(EventTextFormsTest, KeyEventNamesItsKindCodeAndCharacter) {
    const JovKeyEvent pressed(nullptr, JovKeyEvent::KEY_PRESSED, 0, 0, 65, 'A');
    EXPECT_STREQ(pressed.toString().chars(),
                 "ool.awt.event.JovKeyEvent[id=KEY_PRESSED,keyCode=65,keyChar=A]");
    const JovKeyEvent released(nullptr, JovKeyEvent::KEY_RELEASED, 0, 0, 13, '\r');
    EXPECT_STREQ(released.toString().chars(),
                 "ool.awt.event.JovKeyEvent[id=KEY_RELEASED,keyCode=13,keyChar=\r]");
}

TEST_F(EventTextFormsTest, KeyEventIdsAndModifierMasks) {
    EXPECT_EQ(JovKeyEvent::KEY_PRESSED, 4096);
    EXPECT_EQ(JovKeyEvent::KEY_RELEASED, 4097);
    EXPECT_EQ(JovKeyEvent::KEY_TYPED, 4098);
    const JovKeyEvent event(nullptr, JovKeyEvent::KEY_PRESSED, 42,
                            JovKeyEvent::SHIFT_MASK | JovKeyEvent::CTRL_MASK, 9, '\t');
    EXPECT_TRUE(event.isShiftDown());
    EXPECT_FALSE(event.isAltDown());
    EXPECT_TRUE(event.isControlDown());
    EXPECT_EQ(event.getModifiers(), 5);
    EXPECT_EQ(event.getWhen(), 42);
}

TEST_F(EventTextFormsTest, MouseEventNamesItsKindPositionAndPopupTrigger) {
    const JovMouseEvent clicked(nullptr, JovMouseEvent::MOUSE_CLICKED, 0, 0, 3, -4, 1, false);
    EXPECT_STREQ(clicked.toString().chars(),
                 "ool.awt.event.JovMouseEvent[MOUSE_CLICKED,(3,-4),popupTrigger=false]");
    const JovMouseEvent popup(nullptr, JovMouseEvent::MOUSE_RELEASED, 0, 0, 0, 0, 1, true);
    EXPECT_STREQ(popup.toString().chars(),
                 "ool.awt.event.JovMouseEvent[MOUSE_RELEASED,(0,0),popupTrigger=true]");
}

TEST_F(EventTextFormsTest, MouseEventIdsFollowTheLibraryNumbering) {
    EXPECT_EQ(JovMouseEvent::MOUSE_CLICKED, 1024);
    EXPECT_EQ(JovMouseEvent::MOUSE_ENTERED, 1025);
    EXPECT_EQ(JovMouseEvent::MOUSE_EXITED, 1026);
    EXPECT_EQ(JovMouseEvent::MOUSE_PRESSED, 1027);
    EXPECT_EQ(JovMouseEvent::MOUSE_RELEASED, 1028);
    EXPECT_EQ(JovMouseEvent::MOUSE_MOTION_MOVED, 2048);
    EXPECT_EQ(JovMouseEvent::MOUSE_MOTION_DRAGGED, 2049);
    EXPECT_EQ(JovFocusEvent::FOCUS_GAINED, 8192);
    EXPECT_EQ(JovFocusEvent::FOCUS_LOST, 8193);
    EXPECT_EQ(JovWindowEvent::WINDOW_CLOSING, 513);
    EXPECT_EQ(JovWindowEvent::WINDOW_DEACTIVATED, 515);
    EXPECT_EQ(JovWindowEvent::WINDOW_ICONIFIED, 517);
    EXPECT_EQ(JovActionEvent::ACTION_PERFORMED, 256);
    EXPECT_EQ(DocumentEvent::DOCUMENT_CHANGED, 131073);
}

TEST_F(EventTextFormsTest, MouseEventTranslatesItsPoint) {
    JovMouseEvent event(nullptr, JovMouseEvent::MOUSE_PRESSED, 0, 0, 5, 6, 2, false);
    event.translatePoint(10, -1);
    EXPECT_EQ(event.getX(), 15);
    EXPECT_EQ(event.getY(), 5);
    EXPECT_EQ(event.getClickCount(), 2);
    EXPECT_STREQ(event.getPoint().toString().chars(), "ool.awt.JovPoint[x=15,y=5]");
}

TEST_F(EventTextFormsTest, OtherEventsAnswerTheirClassName) {
    EXPECT_STREQ(JovActionEvent(nullptr, 256, "new").toString().chars(),
                 "ool.awt.event.JovActionEvent");
    EXPECT_STREQ(JovAWTEvent(nullptr, 1).toString().chars(), "ool.awt.JovAWTEvent");
    EXPECT_STREQ(JovEventObject(nullptr).toString().chars(), "ool.util.JovEventObject");
}

TEST_F(EventTextFormsTest, WidgetEventIdsStayOutOfTheListenerGroupsOfComponents) {
    const int componentGroups = JovAWTEvent::MOUSE_EVENT_GROUP |
                                JovAWTEvent::MOUSE_MOTION_EVENT_GROUP |
                                JovAWTEvent::KEY_EVENT_GROUP | JovAWTEvent::FOCUS_EVENT_GROUP;
    const int widgetIds[] = {
        JovActionEvent::ACTION_PERFORMED,      ChangeEvent::STATE_CHANGED,
        DocumentEvent::DOCUMENT_CHANGED,       JovAdjustmentEvent::ADJUSTMENT_VALUE_CHANGED,
        JovListSelectionEvent::VALUE_CHANGED,  JovTreeSelectionEvent::VALUE_CHANGED,
        JovTreeModelEvent::TREE_NODES_CHANGED, JovTreeModelEvent::TREE_STRUCTURE_CHANGED,
        JovWindowEvent::WINDOW_OPENED,         JovWindowEvent::WINDOW_ICONIFIED};
    for (int id : widgetIds) {
        EXPECT_EQ(id & componentGroups, 0) << id;
    }
}

TEST_F(EventTextFormsTest, ConsumingMarksTheEventAndCopiesKeepTheMark) {
    JovActionEvent event(nullptr, 256, "new");
    EXPECT_FALSE(event.isConsumed());
    event.consume();
    EXPECT_TRUE(event.isConsumed());
    const JovActionEvent copy(event);
    EXPECT_TRUE(copy.isConsumed());
    EXPECT_STREQ(copy.getActionCommand().chars(), "new");
}

TEST_F(EventTextFormsTest, EventsKeepTheirSourceUncounted) {
    JovString source("Quelle");
    const int live = JovObject::liveObjectCount();
    {
        const JovFocusEvent event(&source, JovFocusEvent::FOCUS_LOST);
        EXPECT_EQ(event.getSource(), &source);
    }
    EXPECT_EQ(JovObject::liveObjectCount(), live);
}
