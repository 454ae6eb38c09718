// A flow container asked for its size before it has a width wants one row; once it has a width,
// its rows wrap there.
#include "LiveObjectTest.h"
#include "awt/JovComponent.h"
#include "awt/JovFlowLayout.h"
#include "awt/JovPanel.h"

class JovFlowLayoutRowTest : public LiveObjectTest {
protected:
    void SetUp() override {
        LiveObjectTest::SetUp();
        panel = new JovPanel(new JovFlowLayout(JovFlowLayout::LEFT, 12, 12));
        panel->addRef();
        for (const int width : {50, 60, 70}) {
            auto* child = new JovComponent();
            child->setPreferredSize(JovDimension(width, 20));
            panel->add(child);
        }
    }

    void TearDown() override {
        panel->release();
        LiveObjectTest::TearDown();
    }

    JovPanel* panel = nullptr;
};

TEST_F(JovFlowLayoutRowTest, PreferredSizeWithoutWidthIsOneRow) {
    const JovDimension size = panel->getPreferredSize();
    EXPECT_EQ(size.width, 50 + 12 + 60 + 12 + 70);
    EXPECT_EQ(size.height, 20);
}

TEST_F(JovFlowLayoutRowTest, PreferredSizeWrapsAtAGivenWidth) {
    const struct {
        int width;
        int preferredWidth;
        int preferredHeight;
    } cases[] = {{300, 204, 20}, {204, 204, 20}, {150, 122, 52}, {60, 70, 84}};
    for (const auto& row : cases) {
        panel->setSize(row.width, 100);
        const JovDimension size = panel->getPreferredSize();
        EXPECT_EQ(size.width, row.preferredWidth) << row.width;
        EXPECT_EQ(size.height, row.preferredHeight) << row.width;
    }
}
