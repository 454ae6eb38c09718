// The component's own rules: geometry forms, validity, borders, popup menu ownership and the
// dispatch of events to the listeners by the id's group.
#include "awt/JovComponent.h"
#include "DestructionProbe.h"
#include "EventLog.h"
#include "LiveObjectTest.h"
#include "awt/JovContainer.h"
#include "awt/border/JovEmptyBorder.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovFocusEvent.h"
#include "awt/event/JovKeyEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

namespace {

// Counts the four-int setBounds calls that every geometry form must end in.
class BoundsRecorder : public JovComponent {
public:
    using JovComponent::setBounds;
    void setBounds(int x, int y, int width, int height) override {
        ++calls;
        JovComponent::setBounds(x, y, width, height);
    }
    int calls = 0;
};

using FlaggedBorder = DestructionProbeOf<JovEmptyBorder>;

JovMouseEvent mouseEvent(JovComponent* source, int id) {
    return JovMouseEvent(source, id, 0, 0, 1, 1, 1, false);
}

} // namespace

class JovComponentTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        component.reset(new JovComponent);
    }
    void TearDown() override {
        component.reset();
        LiveObjectTest::TearDown();
    }

    JovReference<JovComponent> component;
    Entries log;
};

TEST_F(JovComponentTest, EveryGeometryFormEndsInTheFourIntSetBounds) {
    const JovReference<BoundsRecorder> recorder(new BoundsRecorder);
    recorder->setLocation(5, 6);
    recorder->setLocation(JovPoint(7, 8));
    recorder->setSize(100, 50);
    recorder->setSize(JovDimension(110, 60));
    recorder->setBounds(JovRectangle(1, 2, 3, 4));
    EXPECT_EQ(recorder->calls, 5);
    recorder->setLocation(9, 9);
    EXPECT_EQ(recorder->getX(), 9);
    EXPECT_EQ(recorder->getWidth(), 3);
    EXPECT_EQ(recorder->getHeight(), 4);
}

TEST_F(JovComponentTest, SetBoundsInvalidatesTheComponentAndAValidParent) {
    const JovReference<JovContainer> parent(new JovContainer);
    parent->add(component.get());
    parent->validate();
    EXPECT_TRUE(parent->isValid());
    EXPECT_TRUE(component->isValid());
    component->setBounds(1, 1, 10, 10);
    EXPECT_FALSE(component->isValid());
    EXPECT_FALSE(parent->isValid());
}

TEST_F(JovComponentTest, TheBorderGivesTheInsetsAndReplacingItDeletesTheOldOne) {
    bool firstDeleted = false;
    bool secondDeleted = false;
    component->setBorder(new FlaggedBorder(&firstDeleted, 1, 2, 3, 4));
    // Without a peer the insets are the border's.
    EXPECT_STREQ(component->getInsets().toString().chars(), "JovInsets [1, 2, 3, 4]");
    component->setBorder(new FlaggedBorder(&secondDeleted, 1, 2, 3, 4));
    EXPECT_TRUE(firstDeleted);
    EXPECT_FALSE(secondDeleted);
    component->setBorder(nullptr);
    EXPECT_TRUE(secondDeleted);
}

TEST_F(JovComponentTest, ThePopupMenuIsACountedReferenceReleasedOnRemovalOrWithTheComponent) {
    bool removedDeleted = false;
    component->setPopupMenu(new DestructionProbeOf<JovComponent>(&removedDeleted));
    component->removePopupMenu();
    EXPECT_TRUE(removedDeleted);
    EXPECT_EQ(component->getPopupMenu(), nullptr);
    bool ownedDeleted = false;
    JovReference<JovComponent> owner(new JovComponent);
    owner->setPopupMenu(new DestructionProbeOf<JovComponent>(&ownedDeleted));
    owner.reset();
    EXPECT_TRUE(ownedDeleted);
}

TEST_F(JovComponentTest, EachEventIdReachesOnlyItsOwnOperation) {
    EventLog recorder("R", log);
    component->addMouseListener(&recorder);
    component->addMouseMotionListener(&recorder);
    component->addKeyListener(&recorder);
    component->addFocusListener(&recorder);
    for (int id : {1024, 1025, 1026, 1027, 1028, 2048, 2049}) {
        JovMouseEvent event = mouseEvent(component.get(), id);
        component->dispatchEvent(event);
    }
    for (int id : {4096, 4097, 4098}) {
        JovKeyEvent event(component.get(), id, 0, 0, 'A', 'A');
        component->dispatchEvent(event);
    }
    for (int id : {JovFocusEvent::FOCUS_GAINED, JovFocusEvent::FOCUS_LOST}) {
        JovFocusEvent event(component.get(), id);
        component->dispatchEvent(event);
    }
    JovActionEvent action(component.get(), JovActionEvent::ACTION_PERFORMED, "new");
    component->dispatchEvent(action);
    EXPECT_EQ(log, (Entries{"R:clicked 1", "R:entered", "R:exited", "R:pressed", "R:released",
                            "R:moved", "R:dragged", "R:keyPressed 65", "R:keyReleased 65",
                            "R:keyTyped 65", "R:focusGained", "R:focusLost"}));
}
