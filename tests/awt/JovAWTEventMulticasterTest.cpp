// Listener chains: removal with rebuilding, the chain's own memory, and listeners that change the
// chain while it delivers.
#include "awt/JovAWTEventMulticaster.h"
#include "EventLog.h"
#include "LiveObjectTest.h"
#include "awt/event/JovActionEvent.h"
#include "awt/event/JovMouseEvent.h"
#include "lang/JovReference.h"

#include <gtest/gtest.h>

namespace {

// Removes itself from the chain it is called through.
class SelfRemovingListener : public JovActionListener {
public:
    explicit SelfRemovingListener(JovAWTEventMulticaster*& chain) : chain(chain) {}
    void actionPerformed(JovActionEvent&) override {
        ++calls;
        chain = JovAWTEventMulticaster::remove(chain, this);
    }
    int calls = 0;

private:
    JovAWTEventMulticaster*& chain;
};

// A listener that is also a library object, to see that chains never delete their listeners.
class CountedListener : public JovObject, public JovActionListener {
public:
    void actionPerformed(JovActionEvent&) override {}
    JovString toString() const override { return "CountedListener"; }
};

JovMouseEvent clickEvent() {
    return JovMouseEvent(nullptr, JovMouseEvent::MOUSE_CLICKED, 0, 0, 1, 2, 1, false);
}

} // namespace

class JovAWTEventMulticasterTest : public LiveObjectTest {
protected:
    void TearDown() override {
        chain = JovAWTEventMulticaster::remove(chain, nullptr);
        LiveObjectTest::TearDown();
    }

    void addMouse(EventLog& listener) {
        chain = JovAWTEventMulticaster::add(chain, static_cast<JovMouseListener*>(&listener));
    }

    void removeMouse(EventLog& listener) {
        chain = JovAWTEventMulticaster::remove(chain, static_cast<JovMouseListener*>(&listener));
    }

    void click() {
        JovMouseEvent event = clickEvent();
        chain->mouseClicked(event);
    }

    Entries log;
    JovAWTEventMulticaster* chain = nullptr;
};

TEST_F(JovAWTEventMulticasterTest, RemovingAListenerAddedTwiceRemovesOnlyTheNewerEntry) {
    EventLog a("A", log);
    EventLog b("B", log);
    addMouse(a);
    addMouse(b);
    addMouse(a);
    removeMouse(a);
    click();
    EXPECT_EQ(log, (Entries{"A:clicked 1", "B:clicked 1"}));
}

TEST_F(JovAWTEventMulticasterTest, NullIsNoListenerAndTwoInterfacesAreOne) {
    EventLog a("A", log);
    addMouse(a);
    JovAWTEventMulticaster* before = chain;
    EXPECT_EQ(JovAWTEventMulticaster::add(chain, nullptr), before);
    EXPECT_EQ(JovAWTEventMulticaster::add(nullptr, nullptr), nullptr);
    EXPECT_EQ(JovAWTEventMulticaster::count(chain), 1);
    // Removed through its other interface: the chain compares the one listener object.
    chain = JovAWTEventMulticaster::remove(chain, static_cast<JovKeyListener*>(&a));
    EXPECT_EQ(chain, nullptr);
}

TEST_F(JovAWTEventMulticasterTest, RemovingNullDeletesTheWholeChainButNoListener) {
    const JovReference<CountedListener> counted(new CountedListener);
    const int liveWithListener = JovObject::liveObjectCount();
    for (int i = 0; i < 3; ++i) {
        chain = JovAWTEventMulticaster::add(chain, counted.get());
    }
    EXPECT_EQ(JovObject::liveObjectCount(), liveWithListener + 3);
    chain = JovAWTEventMulticaster::remove(chain, nullptr);
    EXPECT_EQ(chain, nullptr);
    EXPECT_EQ(JovObject::liveObjectCount(), liveWithListener);
}

TEST_F(JovAWTEventMulticasterTest, AListenerMayRemoveItselfWhileTheChainDelivers) {
    EventLog before("before", log);
    SelfRemovingListener leaving(chain);
    EventLog after("after", log);
    chain = JovAWTEventMulticaster::add(chain, &before);
    chain = JovAWTEventMulticaster::add(chain, &leaving);
    chain = JovAWTEventMulticaster::add(chain, &after);
    JovActionEvent first(nullptr, JovActionEvent::ACTION_PERFORMED, "first");
    chain->actionPerformed(first);
    JovActionEvent second(nullptr, JovActionEvent::ACTION_PERFORMED, "second");
    chain->actionPerformed(second);
    EXPECT_EQ(leaving.calls, 1);
    EXPECT_EQ(log, (Entries{"before:action first", "after:action first", "before:action second",
                            "after:action second"}));
}

TEST_F(JovAWTEventMulticasterTest, ALongChainIsDeletedWithoutRecursion) {
    EventLog listener;
    for (int i = 0; i < 100000; ++i) {
        chain = JovAWTEventMulticaster::add(chain, &listener);
    }
    EXPECT_EQ(JovAWTEventMulticaster::count(chain), 100000);
    chain = JovAWTEventMulticaster::remove(chain, nullptr);
    EXPECT_EQ(chain, nullptr);
}
