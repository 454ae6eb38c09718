// Tree nodes: counted children and user objects, parent links that never dangle, and refused
// inserts that leave the tree as it was.
#include "awt/JovDefaultMutableTreeNode.h"
#include "LiveObjectTest.h"
#include "lang/JovReference.h"
#include "lang/JovString.h"

#include <gtest/gtest.h>

namespace {

// A node held by the test itself, released at the end of the scope.
using HeldNode = JovReference<JovDefaultMutableTreeNode>;

JovDefaultMutableTreeNode* labelled(const char* label) {
    return new JovDefaultMutableTreeNode(new JovString(label));
}

JovString childLabels(const JovDefaultMutableTreeNode* node) {
    JovString labels;
    for (int i = 0; i < node->getChildCount(); ++i) {
        labels += (i > 0 ? "," : "") + node->getChildAt(i)->toString();
    }
    return labels;
}

} // namespace

using JovDefaultMutableTreeNodeTest = LiveObjectTest;

TEST_F(JovDefaultMutableTreeNodeTest, RefusedInsertsAndBadIndexesChangeNothing) {
    const HeldNode root(labelled("Menü"));
    JovDefaultMutableTreeNode* sauce = labelled("Rahmsauce");
    root->add(sauce);
    const HeldNode other(labelled("anderes Menü"));
    JovDefaultMutableTreeNode* cream = labelled("Sahne");
    other->add(cream);
    // An ancestor below its own descendant would make a cycle.
    sauce->insert(root.get(), 0);
    sauce->insert(sauce, 0);
    // A bad index must not take the child from its old parent either.
    root->insert(cream, 5);
    root->insert(cream, -1);
    root->insert(nullptr, 0);
    EXPECT_TRUE(root->isRoot());
    EXPECT_EQ(sauce->getChildCount(), 0);
    EXPECT_STREQ(childLabels(root.get()).chars(), "Rahmsauce");
    EXPECT_EQ(cream->getParent(), other.get());
    EXPECT_EQ(other->getChildCount(), 1);
    EXPECT_EQ(root->getChildAt(1), nullptr);
    EXPECT_EQ(root->getChildAt(-1), nullptr);
    root->remove(3);
    root->remove(cream);
    EXPECT_EQ(root->getIndex(cream), -1);
    EXPECT_EQ(root->getChildCount(), 1);
}

TEST_F(JovDefaultMutableTreeNodeTest, RemovedChildHeldElsewhereSurvivesWithoutParent) {
    const HeldNode root(labelled("Menü"));
    const HeldNode kept(labelled("Reis"));
    root->add(kept.get());
    root->add(labelled("Sauce"));
    root->remove(kept.get());
    EXPECT_TRUE(kept->isRoot());
    EXPECT_STREQ(kept->toString().chars(), "Reis");
    root->getChildAt(0)->removeFromParent();
    EXPECT_EQ(root->getChildCount(), 0);
}

TEST_F(JovDefaultMutableTreeNodeTest, ChildrenOutlivingTheirParentLoseTheLink) {
    const HeldNode kept(labelled("Sahne"));
    {
        const HeldNode sauce(labelled("Rahmsauce"));
        sauce->add(kept.get());
        EXPECT_EQ(kept->getParent(), sauce.get());
    }
    EXPECT_EQ(kept->getParent(), nullptr);
    EXPECT_EQ(kept->getRoot(), kept.get());
}

TEST_F(JovDefaultMutableTreeNodeTest, RemoveAllChildrenReleasesWholeSubtrees) {
    const HeldNode root(labelled("Menü"));
    JovDefaultMutableTreeNode* sauce = labelled("Rahmsauce");
    root->add(sauce);
    sauce->add(labelled("Sahne"));
    sauce->add(labelled("Champignons"));
    root->add(labelled("Reis"));
    root->removeAllChildren();
    EXPECT_TRUE(root->isLeaf());
    // The live-object check of the fixture proves the subtree's nodes and labels are gone.
}
