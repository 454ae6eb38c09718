// Card switching: names, first, next and previous with wrap-around, showing by name, the one
// visible card and the shared card area.
#include "LayoutTest.h"

#include "awt/JovCardLayout.h"

#include <functional>
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

TEST_F(JovCardLayoutTest, SwitchingShowsOneCardByNameOrOrderWrappingAroundTheEnds) {
    addThreeCards();
    const std::function<void()> first = [&] { layout->first(container); };
    const std::function<void()> next = [&] { layout->next(container); };
    const std::function<void()> previous = [&] { layout->previous(container); };
    const auto show = [this](const char* name) -> std::function<void()> {
        return [this, name] { layout->show(container, name); };
    };
    const struct {
        std::function<void()> step;
        int visible;
    } steps[] = {{[] {}, 0},     {previous, 2}, {next, 0},      {next, 1},      {previous, 0},
                 {show("c"), 2}, {next, 0},     {show("b"), 1}, {show("z"), 1}, {first, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        step.step();
        EXPECT_EQ(visibleCards(), (std::vector<int>{step.visible}));
    }
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
