// Fixture base for the layout-manager tests: a container of fixed size holding plain components
// of fixed preferred sizes, and tables of cases (container, children, where each one ends up).
#pragma once

#include "LiveObjectTest.h"
#include "awt/JovLayoutManager.h"
#include "awt/JovPanel.h"
#include "lang/JovReference.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// x, y, width, height.
using Bounds = std::array<int, 4>;
// top, left, bottom, right.
using Margins = std::array<int, 4>;

struct LayoutChild {
    int width;
    int height;
    Bounds expected;
    // Null adds the child without constraints.
    std::shared_ptr<const JovObject> constraints;
};

struct LayoutCase {
    const char* name;
    std::function<JovLayoutManager*()> layout;
    int width;
    int height;
    std::vector<LayoutChild> children;
    Margins insets = {};
};

class LayoutTest : public LiveObjectTest {
protected:
    void TearDown() override {
        dropContainer();
        LiveObjectTest::TearDown();
    }

    // A container of the given size using layout; the fixture holds it to the end of the test.
    JovPanel* makeContainer(JovLayoutManager* layout, int width, int height);
    // Insets of the container, through an empty border (no peer adds any).
    void setInsets(int top, int left, int bottom, int right);
    static JovComponent* sized(int width, int height);
    JovComponent* addSized(int width, int height);
    JovComponent* addSized(int width, int height, const JovObject& constraints);
    void layOut() { container->validate(); }
    // Builds the case's container and children, lays out and checks every child's bounds.
    void expectCase(const LayoutCase& layoutCase);
    void dropContainer() {
        held.reset();
        container = nullptr;
    }
    JovDimension preferred() { return container->getPreferredSize(); }
    static Bounds boundsOf(const JovComponent* component);

    JovPanel* container = nullptr;

private:
    JovReference<JovPanel> held;
};

// Test names carry the row's name instead of its bytes.
inline void PrintTo(const LayoutCase& layoutCase, std::ostream* out) {
    *out << layoutCase.name;
}

// The row of a table with the given name; tests that check more than bounds start from it.
template <std::size_t size>
const LayoutCase& caseNamed(const LayoutCase (&table)[size], const std::string& name) {
    for (const LayoutCase& row : table) {
        if (name == row.name) {
            return row;
        }
    }
    throw std::invalid_argument("no layout case " + name);
}

// One test per row of a layout's table, named after the row.
class LayoutCaseTest : public LayoutTest, public testing::WithParamInterface<LayoutCase> {
public:
    static std::string nameOf(const testing::TestParamInfo<LayoutCase>& info) {
        return info.param.name;
    }
};

#define LAYOUT_CASES(suite, table)                                                                 \
    INSTANTIATE_TEST_SUITE_P(suite, LayoutCaseTest, testing::ValuesIn(table),                      \
                             LayoutCaseTest::nameOf)
