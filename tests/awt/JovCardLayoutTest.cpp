// Card switching: names, first, next and previous with wrap-around, showing by name, the one
// visible card and the shared card area.
#include "LayoutTest.h"

#include "awt/JovCardLayout.h"

#include <vector>

class JovCardLayoutTest : public LayoutTest {
protected:
    // Cards "a", "b" and "c" in a 200 x 100 container.
    void addThreeCards() {
        layout = new JovCardLayout();
        makeContainer(layout, 200, 100);
        for (const char* name : {"a", "b", "c"}) {
            cards.push_back(addSized(10, 10, JovString(name)));
        }
    }

    // The indexes of the visible children.
    std::vector<int> visibleCards() const {
        std::vector<int> visible;
        for (int index = 0; index < container->getComponentCount(); ++index) {
            if (container->getComponent(index)->isVisible()) {
                visible.push_back(index);
            }
        }
        return visible;
    }

    JovCardLayout* layout = nullptr;
    std::vector<JovComponent*> cards;
};

TEST_F(JovCardLayoutTest, OnlyTheFirstCardAddedStaysVisible) {
    addThreeCards();
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
}

TEST_F(JovCardLayoutTest, NextAndPreviousWrapAroundTheEnds) {
    addThreeCards();
    layout->previous(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{2}));
    layout->next(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
    layout->next(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{1}));
    layout->previous(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
}

TEST_F(JovCardLayoutTest, ShowByNameAndFirst) {
    addThreeCards();
    layout->show(container, "c");
    EXPECT_EQ(visibleCards(), (std::vector<int>{2}));
    layout->next(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
    layout->show(container, "b");
    layout->first(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
}

TEST_F(JovCardLayoutTest, UnknownNameChangesNothing) {
    addThreeCards();
    layout->show(container, "b");
    layout->show(container, "z");
    EXPECT_EQ(visibleCards(), (std::vector<int>{1}));
}

TEST_F(JovCardLayoutTest, CardWithoutConstraintsIsNamedNull) {
    layout = new JovCardLayout();
    makeContainer(layout, 200, 100);
    addSized(10, 10, JovString("named"));
    addSized(10, 10);
    layout->show(container, JovCardLayout::UNNAMED);
    EXPECT_EQ(visibleCards(), (std::vector<int>{1}));
}

TEST_F(JovCardLayoutTest, SwitchingLaysTheContainerOut) {
    addThreeCards();
    setInsets(1, 2, 3, 4);
    layout->show(container, "b");
    EXPECT_TRUE(container->isValid());
    for (JovComponent* card : cards) {
        EXPECT_EQ(boundsOf(card), (Bounds{2, 1, 194, 96}));
    }
}

TEST_F(JovCardLayoutTest, RemovingACardDropsItsName) {
    addThreeCards();
    layout->show(container, "b");
    container->remove(cards[0]);
    layout->show(container, "c");
    EXPECT_EQ(visibleCards(), (std::vector<int>{1}));
    layout->previous(container);
    EXPECT_EQ(visibleCards(), (std::vector<int>{0}));
}

TEST_F(JovCardLayoutTest, SwitchingAnEmptyOrMissingContainerDoesNothing) {
    layout = new JovCardLayout();
    makeContainer(layout, 200, 100);
    layout->next(container);
    layout->previous(container);
    layout->first(container);
    layout->next(nullptr);
    layout->show(nullptr, "a");
    EXPECT_EQ(container->getComponentCount(), 0);
}

TEST_F(JovCardLayoutTest, PreferredSizeIsTheLargestCardPlusInsets) {
    layout = new JovCardLayout();
    makeContainer(layout, 0, 0);
    setInsets(1, 2, 3, 4);
    addSized(30, 10, JovString("wide"));
    addSized(20, 40, JovString("high"));
    EXPECT_EQ(preferred().width, 30 + 2 + 4);
    EXPECT_EQ(preferred().height, 40 + 1 + 3);
}
