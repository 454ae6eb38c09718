// Fixture base for the layout-manager tests: a container of fixed size holding plain components
// of fixed preferred sizes, the bounds each child ends up with, and the error lines written.
#pragma once

#include "LiveObjectTest.h"
#include "awt/JovLayoutManager.h"
#include "awt/JovPanel.h"
#include "awt/border/JovEmptyBorder.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// x, y, width, height.
using Bounds = std::array<int, 4>;

class LayoutFixture : public LiveObjectTest {
protected:
    void TearDown() override {
        if (container != nullptr) {
            container->release();
        }
        LiveObjectTest::TearDown();
    }

    // A container of the given size using layout; the fixture holds it to the end of the test.
    JovPanel* makeContainer(JovLayoutManager* layout, int width, int height) {
        container = new JovPanel(layout);
        container->addRef();
        container->setBounds(0, 0, width, height);
        return container;
    }

    // Insets of the container, through an empty border (no peer adds any).
    void setInsets(int top, int left, int bottom, int right) {
        container->setBorder(new JovEmptyBorder(top, left, bottom, right));
    }

    static JovComponent* sized(int width, int height) {
        auto* component = new JovComponent();
        component->setPreferredSize(JovDimension(width, height));
        return component;
    }

    JovComponent* addSized(int width, int height) { return container->add(sized(width, height)); }

    JovComponent* addSized(int width, int height, const JovObject& constraints) {
        JovComponent* component = sized(width, height);
        container->add(component, constraints);
        return component;
    }

    void layOut() { container->validate(); }

    // Adds one child sized as each expected bounds, lays out and checks where each one went.
    void expectLaidOutAs(const std::vector<Bounds>& expected) {
        std::vector<JovComponent*> children;
        for (const Bounds& bounds : expected) {
            children.push_back(addSized(bounds[2], bounds[3]));
        }
        layOut();
        for (std::size_t i = 0; i < children.size(); ++i) {
            EXPECT_EQ(boundsOf(children[i]), expected[i]) << "child " << i;
        }
    }

    void dropContainer() {
        container->release();
        container = nullptr;
    }

    JovDimension preferred() { return container->getPreferredSize(); }

    static Bounds boundsOf(const JovComponent* component) {
        const JovRectangle bounds = component->getBounds();
        return Bounds{bounds.x, bounds.y, bounds.width, bounds.height};
    }

    // Runs an operation and answers what it wrote to standard error.
    template <typename Operation> static std::string errorsOf(Operation operation) {
        testing::internal::CaptureStderr();
        operation();
        return testing::internal::GetCapturedStderr();
    }

    JovPanel* container = nullptr;
};
