// The events' identifier groups and their uncounted sources.
#include "LiveObjectTest.h"
#include "awt/event/ChangeEvent.h"
#include "awt/event/DocumentEvent.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovAdjustmentEvent.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovListSelectionEvent.h"
#include "awt/event/JovTreeModelEvent.h"
#include "awt/event/JovTreeSelectionEvent.h"
#include "awt/event/JovWindowEvent.h"

#include <gtest/gtest.h>

using EventValuesTest = LiveObjectTest;

TEST_F(EventValuesTest, WidgetEventIdsStayOutOfTheListenerGroupsOfComponents) {
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

TEST_F(EventValuesTest, EventsKeepTheirSourceUncounted) {
    JovString source("Quelle");
    const int live = JovObject::liveObjectCount();
    {
        const JovFocusEvent event(&source, JovFocusEvent::FOCUS_LOST);
        EXPECT_EQ(event.getSource(), &source);
    }
    EXPECT_EQ(JovObject::liveObjectCount(), live);
}
