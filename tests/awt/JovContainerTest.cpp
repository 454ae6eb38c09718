// Containers: ownership of children through their reference counts, moving a child between
// containers, the calls to the layout manager, and layout triggering.
#include "awt/JovContainer.h"
#include "DestructionProbe.h"
#include "LiveObjectTest.h"
#include "awt/JovLayoutManager.h"
#include "awt/JovPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Logs the container's calls and places every child at a fixed cell size, one below the other.
class RecordingLayout : public JovLayoutManager {
public:
    explicit RecordingLayout(std::vector<std::string>& log) : log(log) {}

    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override {
        log.push_back(std::string("add ") + component->getName().chars() + " " +
                      (constraints != nullptr ? constraints->toString().chars() : "null"));
    }
    void removeLayoutComponent(JovComponent* component) override {
        log.push_back(std::string("remove ") + component->getName().chars());
    }
    void layoutContainer(JovContainer* container) override {
        log.push_back("layout");
        for (int i = 0; i < container->getComponentCount(); ++i) {
            container->getComponent(i)->setBounds(0, 20 * i, 50, 20);
        }
    }
    JovDimension preferredLayoutSize(JovContainer* container) override {
        return JovDimension(50, 20 * container->getComponentCount());
    }
    JovString toString() const override { return "RecordingLayout"; }

private:
    std::vector<std::string>& log;
};

// A named component; with a flag, one that sets it when it is deleted.
JovComponent* named(const char* name, bool* deleted = nullptr) {
    JovComponent* component =
        deleted != nullptr ? new DestructionProbeOf<JovComponent>(deleted) : new JovComponent;
    component->setName(name);
    return component;
}

} // namespace

class JovContainerTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        first = new JovPanel(new RecordingLayout(firstLog));
        first->addRef();
        second = new JovPanel(new RecordingLayout(secondLog));
        second->addRef();
    }
    void TearDown() override {
        first->release();
        second->release();
        LiveObjectTest::TearDown();
    }

    std::vector<std::string> firstLog;
    std::vector<std::string> secondLog;
    JovContainer* first = nullptr;
    JovContainer* second = nullptr;
};

TEST_F(JovContainerTest, AddingToASecondContainerMovesTheComponentAndKeepsItAlive) {
    JovComponent* child = first->add(named("child"));
    second->add(child, JovString("North"));
    EXPECT_EQ(first->getComponentCount(), 0);
    EXPECT_EQ(second->getComponentCount(), 1);
    EXPECT_EQ(child->getParent(), second);
    EXPECT_EQ(firstLog, (std::vector<std::string>{"add child null", "remove child"}));
    EXPECT_EQ(secondLog, (std::vector<std::string>{"add child North"}));
    bool deleted = false;
    first->add(named("child", &deleted));
    second->add(first->getComponent(0));
    EXPECT_FALSE(deleted);
    second->remove(1);
    EXPECT_TRUE(deleted);
}

TEST_F(JovContainerTest, RemovingDeletesAComponentNothingElseHoldsAndDetachesTheOthers) {
    bool deleted = false;
    JovComponent* owned = first->add(named("owned", &deleted));
    JovComponent* held = first->add(named("held"));
    held->addRef();
    first->remove(owned);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(firstLog.back(), "remove owned");
    first->remove(held);
    EXPECT_EQ(held->getParent(), nullptr);
    EXPECT_EQ(first->getComponentCount(), 0);
    held->release();
}

TEST_F(JovContainerTest, RemovingAStrangerOrABadIndexChangesNothing) {
    JovComponent* child = first->add(named("child"));
    JovComponent* stranger = second->add(named("stranger"));
    first->remove(stranger);
    first->remove(5);
    first->remove(-1);
    EXPECT_EQ(first->getComponentCount(), 1);
    EXPECT_EQ(first->getComponent(0), child);
    EXPECT_EQ(stranger->getParent(), second);
    EXPECT_EQ(first->getComponent(1), nullptr);
    EXPECT_EQ(first->getComponent(-1), nullptr);
}

TEST_F(JovContainerTest, AContainerRefusesNullItselfAndItsAncestors) {
    auto* inner = new JovPanel;
    first->add(inner);
    first->add(nullptr);
    first->add(first);
    inner->add(first);
    EXPECT_EQ(first->getComponentCount(), 1);
    EXPECT_EQ(inner->getComponentCount(), 0);
    EXPECT_EQ(first->getParent(), nullptr);
}

TEST_F(JovContainerTest, ValidateLaysOutEveryChildAndInvalidatingOneInvalidatesItsAncestors) {
    JovComponent* a = first->add(named("a"));
    auto* nested = new JovPanel(new RecordingLayout(secondLog));
    first->add(nested);
    JovComponent* inner = nested->add(named("inner"));
    first->validate();
    EXPECT_TRUE(first->isValid());
    EXPECT_TRUE(a->isValid());
    EXPECT_TRUE(nested->isValid());
    EXPECT_TRUE(inner->isValid());
    EXPECT_STREQ(nested->getBounds().toString().chars(),
                 "ool.awt.JovRectangle[x=0,y=20,width=50,height=20]");
    EXPECT_EQ(secondLog.back(), "layout");
    inner->invalidate();
    EXPECT_FALSE(nested->isValid());
    EXPECT_FALSE(first->isValid());
}

TEST_F(JovContainerTest, ComponentAtLooksAtVisibleChildrenFirst) {
    first->setBounds(0, 0, 100, 100);
    JovComponent* hidden = first->add(named("hidden"));
    JovComponent* shown = first->add(named("shown"));
    hidden->setBounds(10, 10, 20, 20);
    shown->setBounds(10, 10, 20, 20);
    hidden->hide();
    EXPECT_EQ(first->getComponentAt(15, 15), shown);
    EXPECT_EQ(first->getComponentAt(50, 50), first);
    EXPECT_EQ(first->getComponentAt(150, 50), nullptr);
}

TEST_F(JovContainerTest, ReplacingTheLayoutReleasesTheOldOne) {
    const int live = JovObject::liveObjectCount();
    first->setLayout(nullptr);
    EXPECT_EQ(JovObject::liveObjectCount(), live - 1);
    first->setLayout(new RecordingLayout(firstLog));
    EXPECT_EQ(JovObject::liveObjectCount(), live);
}

TEST_F(JovContainerTest, DeletingAContainerDeletesItsChildrenAndDetachesHeldOnes) {
    bool deleted = false;
    auto* doomed = new JovPanel;
    doomed->addRef();
    doomed->add(named("owned", &deleted));
    JovComponent* kept = named("kept");
    kept->addRef();
    doomed->add(kept);
    doomed->release();
    EXPECT_TRUE(deleted);
    EXPECT_EQ(kept->getParent(), nullptr);
    kept->release();
}
