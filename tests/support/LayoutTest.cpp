// The layout fixture's container and children, and the one test every table of cases runs.
#include "LayoutTest.h"

#include "awt/border/JovEmptyBorder.h"

JovPanel* LayoutTest::makeContainer(JovLayoutManager* layout, int width, int height) {
    held.reset(new JovPanel(layout));
    container = held.get();
    container->setBounds(0, 0, width, height);
    return container;
}

void LayoutTest::setInsets(int top, int left, int bottom, int right) {
    container->setBorder(new JovEmptyBorder(top, left, bottom, right));
}

JovComponent* LayoutTest::sized(int width, int height) {
    auto* component = new JovComponent();
    component->setPreferredSize(JovDimension(width, height));
    return component;
}

JovComponent* LayoutTest::addSized(int width, int height) {
    return container->add(sized(width, height));
}

JovComponent* LayoutTest::addSized(int width, int height, const JovObject& constraints) {
    JovComponent* component = sized(width, height);
    container->add(component, constraints);
    return component;
}

void LayoutTest::expectCase(const LayoutCase& layoutCase) {
    makeContainer(layoutCase.layout(), layoutCase.width, layoutCase.height);
    const Margins& insets = layoutCase.insets;
    setInsets(insets[0], insets[1], insets[2], insets[3]);
    std::vector<JovComponent*> children;
    for (const LayoutChild& child : layoutCase.children) {
        children.push_back(child.constraints != nullptr
                               ? addSized(child.width, child.height, *child.constraints)
                               : addSized(child.width, child.height));
    }
    layOut();
    for (std::size_t i = 0; i < children.size(); ++i) {
        EXPECT_EQ(boundsOf(children[i]), layoutCase.children[i].expected) << "child " << i;
    }
}

Bounds LayoutTest::boundsOf(const JovComponent* component) {
    const JovRectangle bounds = component->getBounds();
    return Bounds{bounds.x, bounds.y, bounds.width, bounds.height};
}

TEST_P(LayoutCaseTest, ChildrenEndAtTheirBounds) {
    expectCase(GetParam());
}
