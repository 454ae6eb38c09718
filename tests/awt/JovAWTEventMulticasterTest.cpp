// Listener chains: order of delivery, removal with rebuilding, typed delivery, and listeners that
// change the chain while it delivers.
#include "awt/JovAWTEventMulticaster.h"
#include "LiveObjectTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the listeners' calls in one shared log, as "name:operation".
class RecordingListener : public JovMouseListener, public JovKeyListener {
public:
    RecordingListener(std::string name, std::vector<std::string>& log)
        : name(std::move(name)), log(log) {}

    void mouseClicked(JovMouseEvent&) override { log.push_back(name + ":clicked"); }
    void mouseEntered(JovMouseEvent&) override { log.push_back(name + ":entered"); }
    void mouseExited(JovMouseEvent&) override { log.push_back(name + ":exited"); }
    void mousePressed(JovMouseEvent&) override { log.push_back(name + ":pressed"); }
    void mouseReleased(JovMouseEvent&) override { log.push_back(name + ":released"); }
    void keyPressed(JovKeyEvent&) override { log.push_back(name + ":keyPressed"); }
    void keyReleased(JovKeyEvent&) override { log.push_back(name + ":keyReleased"); }
    void keyTyped(JovKeyEvent&) override { log.push_back(name + ":keyTyped"); }

private:
    std::string name;
    std::vector<std::string>& log;
};

class ActionRecorder : public JovActionListener {
public:
    void actionPerformed(JovActionEvent& event) override {
        commands.push_back(event.getActionCommand().chars());
    }
    std::vector<std::string> commands;
};

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

    void addMouse(RecordingListener& listener) {
        chain = JovAWTEventMulticaster::add(chain, static_cast<JovMouseListener*>(&listener));
    }

    void removeMouse(RecordingListener& listener) {
        chain = JovAWTEventMulticaster::remove(chain, static_cast<JovMouseListener*>(&listener));
    }

    void click() {
        JovMouseEvent event = clickEvent();
        chain->mouseClicked(event);
    }

    std::vector<std::string> log;
    JovAWTEventMulticaster* chain = nullptr;
};

TEST_F(JovAWTEventMulticasterTest, ListenersAreCalledInOrderAndRemovalKeepsTheOthersInOrder) {
    RecordingListener a("A", log);
    RecordingListener b("B", log);
    RecordingListener c("C", log);
    RecordingListener stranger("X", log);
    addMouse(a);
    addMouse(b);
    addMouse(c);
    click();
    EXPECT_EQ(log, (std::vector<std::string>{"A:clicked", "B:clicked", "C:clicked"}));
    removeMouse(a);
    removeMouse(stranger);
    log.clear();
    click();
    EXPECT_EQ(log, (std::vector<std::string>{"B:clicked", "C:clicked"}));
    EXPECT_EQ(JovAWTEventMulticaster::count(chain), 2);
}

TEST_F(JovAWTEventMulticasterTest, RemovingAListenerAddedTwiceRemovesOnlyTheNewerEntry) {
    RecordingListener a("A", log);
    RecordingListener b("B", log);
    addMouse(a);
    addMouse(b);
    addMouse(a);
    removeMouse(a);
    click();
    EXPECT_EQ(log, (std::vector<std::string>{"A:clicked", "B:clicked"}));
}

TEST_F(JovAWTEventMulticasterTest, AddingNullLeavesTheChainUnchanged) {
    RecordingListener a("A", log);
    addMouse(a);
    JovAWTEventMulticaster* before = chain;
    EXPECT_EQ(JovAWTEventMulticaster::add(chain, nullptr), before);
    EXPECT_EQ(JovAWTEventMulticaster::add(nullptr, nullptr), nullptr);
    EXPECT_EQ(JovAWTEventMulticaster::count(chain), 1);
}

TEST_F(JovAWTEventMulticasterTest, RemovingNullDeletesTheWholeChainButNoListener) {
    auto* counted = new CountedListener;
    counted->addRef();
    const int liveWithListener = JovObject::liveObjectCount();
    for (int i = 0; i < 3; ++i) {
        chain = JovAWTEventMulticaster::add(chain, counted);
    }
    EXPECT_EQ(JovObject::liveObjectCount(), liveWithListener + 3);
    chain = JovAWTEventMulticaster::remove(chain, nullptr);
    EXPECT_EQ(chain, nullptr);
    EXPECT_EQ(JovObject::liveObjectCount(), liveWithListener);
    counted->release();
}

TEST_F(JovAWTEventMulticasterTest, EachListenerGetsOnlyTheEventsOfItsInterfaces) {
    RecordingListener mouseAndKeys("M", log);
    ActionRecorder actions;
    addMouse(mouseAndKeys);
    chain = JovAWTEventMulticaster::add(chain, &actions);
    JovActionEvent action(nullptr, JovActionEvent::ACTION_PERFORMED, "print");
    chain->actionPerformed(action);
    JovKeyEvent key(nullptr, JovKeyEvent::KEY_RELEASED, 0, 0, 'E', 'E');
    chain->keyReleased(key);
    EXPECT_EQ(actions.commands, (std::vector<std::string>{"print"}));
    EXPECT_EQ(log, (std::vector<std::string>{"M:keyReleased"}));
}

TEST_F(JovAWTEventMulticasterTest, OneObjectWithTwoInterfacesIsOneListener) {
    RecordingListener both("B", log);
    addMouse(both);
    // Removed through its other interface: the chain compares the one listener object.
    chain = JovAWTEventMulticaster::remove(chain, static_cast<JovKeyListener*>(&both));
    EXPECT_EQ(chain, nullptr);
}

TEST_F(JovAWTEventMulticasterTest, AListenerMayRemoveItselfWhileTheChainDelivers) {
    ActionRecorder before;
    SelfRemovingListener leaving(chain);
    ActionRecorder after;
    chain = JovAWTEventMulticaster::add(chain, &before);
    chain = JovAWTEventMulticaster::add(chain, &leaving);
    chain = JovAWTEventMulticaster::add(chain, &after);
    JovActionEvent first(nullptr, JovActionEvent::ACTION_PERFORMED, "first");
    chain->actionPerformed(first);
    JovActionEvent second(nullptr, JovActionEvent::ACTION_PERFORMED, "second");
    chain->actionPerformed(second);
    EXPECT_EQ(leaving.calls, 1);
    EXPECT_EQ(before.commands, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(after.commands, (std::vector<std::string>{"first", "second"}));
}

TEST_F(JovAWTEventMulticasterTest, ALongChainIsDeletedWithoutRecursion) {
    ActionRecorder listener;
    for (int i = 0; i < 100000; ++i) {
        chain = JovAWTEventMulticaster::add(chain, &listener);
    }
    EXPECT_EQ(JovAWTEventMulticaster::count(chain), 100000);
    chain = JovAWTEventMulticaster::remove(chain, nullptr);
    EXPECT_EQ(chain, nullptr);
}
