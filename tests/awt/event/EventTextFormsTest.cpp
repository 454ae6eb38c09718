// The events' text forms, modifiers, points, identifier groups, consumed marks and sources.
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

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct TextForm {
    const char* name;
    std::function<JovObject*()> event;
    const char* text;
};

// Key and mouse events name their kind and values; every other event its class.
const TextForm textForms[] = {
    {"KeyPressed", [] { return new JovKeyEvent(nullptr, JovKeyEvent::KEY_PRESSED, 0, 0, 65, 'A'); },
     "ool.awt.event.JovKeyEvent[id=KEY_PRESSED,keyCode=65,keyChar=A]"},
    {"KeyReleased",
     [] { return new JovKeyEvent(nullptr, JovKeyEvent::KEY_RELEASED, 0, 0, 13, '\r'); },
     "ool.awt.event.JovKeyEvent[id=KEY_RELEASED,keyCode=13,keyChar=\r]"},
    {"MouseClicked",
     [] { return new JovMouseEvent(nullptr, JovMouseEvent::MOUSE_CLICKED, 0, 0, 3, -4, 1, false); },
     "ool.awt.event.JovMouseEvent[MOUSE_CLICKED,(3,-4),popupTrigger=false]"},
    {"MouseReleasedAsPopupTrigger",
     [] { return new JovMouseEvent(nullptr, JovMouseEvent::MOUSE_RELEASED, 0, 0, 0, 0, 1, true); },
     "ool.awt.event.JovMouseEvent[MOUSE_RELEASED,(0,0),popupTrigger=true]"},
    {"Action", [] { return new JovActionEvent(nullptr, 256, "new"); },
     "ool.awt.event.JovActionEvent"},
    {"AWTEvent", [] { return new JovAWTEvent(nullptr, 1); }, "ool.awt.JovAWTEvent"},
    {"EventObject", [] { return new JovEventObject(nullptr); }, "ool.util.JovEventObject"},
};

void PrintTo(const TextForm& form, std::ostream* out) {
    *out << form.name;
}

class EventTextFormTest : public LiveObjectTest, public testing::WithParamInterface<TextForm> {};

TEST_P(EventTextFormTest, NamesTheEvent) {
    const std::unique_ptr<JovObject> event(GetParam().event());
    EXPECT_STREQ(event->toString().chars(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Events, EventTextFormTest, testing::ValuesIn(textForms),
                         [](const testing::TestParamInfo<TextForm>& info) {
                             return std::string(info.param.name);
                         });

} // namespace

using EventTextFormsTest = LiveObjectTest;

TEST_F(EventTextFormsTest, KeyEventModifierMasks) {
    const JovKeyEvent event(nullptr, JovKeyEvent::KEY_PRESSED, 42,
                            JovKeyEvent::SHIFT_MASK | JovKeyEvent::CTRL_MASK, 9, '\t');
    EXPECT_TRUE(event.isShiftDown());
    EXPECT_FALSE(event.isAltDown());
    EXPECT_TRUE(event.isControlDown());
    EXPECT_EQ(event.getModifiers(), 5);
    EXPECT_EQ(event.getWhen(), 42);
}

TEST_F(EventTextFormsTest, MouseEventTranslatesItsPoint) {
    JovMouseEvent event(nullptr, JovMouseEvent::MOUSE_PRESSED, 0, 0, 5, 6, 2, false);
    event.translatePoint(10, -1);
    EXPECT_EQ(event.getX(), 15);
    EXPECT_EQ(event.getY(), 5);
    EXPECT_EQ(event.getClickCount(), 2);
    EXPECT_STREQ(event.getPoint().toString().chars(), "ool.awt.JovPoint[x=15,y=5]");
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
