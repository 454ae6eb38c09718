// The card layout as the main window uses it: the first card shown, every card filling the area
// inside the insets. The program never switches cards.
#include "LayoutTest.h"

#include "awt/JovCardLayout.h"

#include <vector>

using JovCardLayoutTest = LayoutTest;

TEST_F(JovCardLayoutTest, TheFirstCardIsShownAndEveryCardFillsTheAreaInsideTheInsets) {
    makeContainer(new JovCardLayout(), 200, 100);
    setInsets(1, 2, 3, 4);
    std::vector<JovComponent*> cards;
    for (const char* name : {"a", "b", "c"}) {
        cards.push_back(addSized(10, 10, JovString(name)));
    }
    layOut();
    for (JovComponent* card : cards) {
        EXPECT_EQ(card->isVisible(), card == cards[0]);
        EXPECT_EQ(boundsOf(card), (Bounds{2, 1, 194, 96}));
    }
}
