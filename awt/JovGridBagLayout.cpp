// The grid-bag rules: resolving relative positions and remainder spans, sizing columns and rows
// from the children's preferred sizes and weights, sharing spare room by weight, and fitting each
// child into its cells by fill and anchor.

#include "awt/JovGridBagLayout.h"

#include "awt/JovContainer.h"
#include "io/JovPrintWriter.h"

#include <algorithm>
#include <cmath>

namespace {

using Constraints = JovGridBagConstraints;

constexpr int gridLimit = JovGridBagLayout::MAXIMUM_GRID_SIZE;

// Keeps bad positions and spans inside the grid, so no index leaves its arrays.
int clampToGrid(int value) {
    return std::clamp(value, -gridLimit, gridLimit);
}

// Weights may be set to anything; negative and unusable ones count as none, and a cap keeps
// every share of spare room within the room there is.
double usableWeight(double weight) {
    constexpr double heaviestWeight = 1.0e9;
    if (!(weight > 0.0)) {
        return 0.0;
    }
    return std::min(weight, heaviestWeight);
}

int sumOf(const int* sizes, int from, int to) {
    int sum = 0;
    for (int index = from; index < to; ++index) {
        sum += sizes[index];
    }
    return sum;
}

double sumOf(const double* weights, int from, int to) {
    double sum = 0.0;
    for (int index = from; index < to; ++index) {
        sum += weights[index];
    }
    return sum;
}

struct Area {
    int x;
    int y;
    int width;
    int height;
};

// Follows the grid as children are placed: for every row the first column no child has taken
// yet, for every column the first such row, and the row or column that relative children
// continue on after a remainder span has ended one. The first pass finds the grid's extent;
// the second knows it and stretches remainder spans to it.
class GridCursor {
public:
    GridCursor() = default;
    GridCursor(int columns, int rows) : knowsExtent(true), columns(columns), rows(rows) {}

    Area place(const Constraints& constraints);

private:
    int span(int requested, int start, int extent) const;
    int firstFreeColumn(int row, int height) const;
    int firstFreeRow(int column, int width) const;
    void take(const Area& area);
    void endRowOrColumn(const Constraints& constraints, const Area& area);

    bool knowsExtent = false;
    int columns = 0;
    int rows = 0;
    int freeColumnOfRow[gridLimit] = {};
    int freeRowOfColumn[gridLimit] = {};
    int continuedRow = -1;
    int continuedColumn = -1;
};

Area GridCursor::place(const Constraints& constraints) {
    Area area{clampToGrid(constraints.gridx), clampToGrid(constraints.gridy),
              clampToGrid(constraints.gridwidth), clampToGrid(constraints.gridheight)};
    if (area.x < 0 && area.y < 0) {
        if (continuedRow >= 0) {
            area.y = continuedRow;
        } else if (continuedColumn >= 0) {
            area.x = continuedColumn;
        } else {
            area.y = 0;
        }
    }
    // A negative position is an offset after the last taken cell (-1: right after it).
    if (area.x < 0) {
        area.y = std::min(area.y, gridLimit - 1);
        area.height = span(area.height, area.y, rows);
        area.x = std::max(0, firstFreeColumn(area.y, area.height) - area.x - 1);
    } else if (area.y < 0) {
        area.x = std::min(area.x, gridLimit - 1);
        area.width = span(area.width, area.x, columns);
        area.y = std::max(0, firstFreeRow(area.x, area.width) - area.y - 1);
    }
    area.x = std::min(area.x, gridLimit - 1);
    area.y = std::min(area.y, gridLimit - 1);
    area.width = std::min(span(area.width, area.x, columns), gridLimit - area.x);
    area.height = std::min(span(area.height, area.y, rows), gridLimit - area.y);
    take(area);
    endRowOrColumn(constraints, area);
    return area;
}

// Remainder (0) reaches the last cell, relative (-1) the one before it; both need the extent.
int GridCursor::span(int requested, int start, int extent) const {
    if (requested > 0) {
        return requested;
    }
    if (!knowsExtent) {
        return 1;
    }
    return std::max(1, requested + extent - start);
}

int GridCursor::firstFreeColumn(int row, int height) const {
    int column = 0;
    for (int index = row; index < std::min(row + height, gridLimit); ++index) {
        column = std::max(column, freeColumnOfRow[index]);
    }
    return column;
}

int GridCursor::firstFreeRow(int column, int width) const {
    int row = 0;
    for (int index = column; index < std::min(column + width, gridLimit); ++index) {
        row = std::max(row, freeRowOfColumn[index]);
    }
    return row;
}

void GridCursor::take(const Area& area) {
    for (int column = area.x; column < area.x + area.width; ++column) {
        freeRowOfColumn[column] = area.y + area.height;
    }
    for (int row = area.y; row < area.y + area.height; ++row) {
        freeColumnOfRow[row] = area.x + area.width;
    }
}

void GridCursor::endRowOrColumn(const Constraints& constraints, const Area& area) {
    const bool endsRow = constraints.gridwidth == Constraints::REMAINDER;
    const bool endsColumn = constraints.gridheight == Constraints::REMAINDER;
    if (endsRow && endsColumn) {
        continuedRow = -1;
        continuedColumn = -1;
    }
    if (endsColumn && continuedRow < 0) {
        continuedColumn = area.x + area.width;
    } else if (endsRow && continuedColumn < 0) {
        continuedRow = area.y + area.height;
    }
}

// What one child asks of the columns (or rows) it spans.
struct Demand {
    int start;
    int span;
    double weight;
    int pixels;
};

// A child's weight counts only where it exceeds what its columns already carry; the excess is
// shared in proportion to their weights, the rest going to the last column.
void spreadWeight(double* weights, const Demand& demand) {
    const int end = demand.start + demand.span;
    double missing = demand.weight - sumOf(weights, demand.start, end);
    if (!(missing > 0.0)) {
        return;
    }
    double remaining = sumOf(weights, demand.start, end);
    for (int index = demand.start; remaining > 0.0 && index < end; ++index) {
        const double weight = weights[index];
        const double share = weight * missing / remaining;
        weights[index] += share;
        missing -= share;
        remaining -= weight;
    }
    weights[end - 1] += missing;
}

// Widens the spanned columns until the child fits, by weight, the rounding rest to the last.
void spreadPixels(int* sizes, const double* weights, const Demand& demand) {
    const int end = demand.start + demand.span;
    int missing = demand.pixels - sumOf(sizes, demand.start, end);
    if (missing <= 0) {
        return;
    }
    double remaining = sumOf(weights, demand.start, end);
    for (int index = demand.start; remaining > 0.0 && index < end; ++index) {
        const double weight = weights[index];
        const int share = static_cast<int>(weight * missing / remaining);
        sizes[index] += share;
        missing -= share;
        remaining -= weight;
    }
    sizes[end - 1] += missing;
}

// Narrow spans first, so that a wide child only adds what its columns still lack.
void distribute(std::vector<Demand> demands, int* sizes, double* weights) {
    std::stable_sort(demands.begin(), demands.end(),
                     [](const Demand& a, const Demand& b) { return a.span < b.span; });
    for (const Demand& demand : demands) {
        spreadWeight(weights, demand);
        spreadPixels(sizes, weights, demand);
    }
}

// Shares the difference between the container's and the grid's size by weight; answers what
// could not be given away (all of it when no column has weight).
int stretch(int* sizes, const double* weights, int count, int difference) {
    const double totalWeight = sumOf(weights, 0, count);
    if (difference == 0 || !(totalWeight > 0.0)) {
        return difference;
    }
    int given = 0;
    for (int index = 0; index < count; ++index) {
        const int share = static_cast<int>(difference * weights[index] / totalWeight);
        sizes[index] += share;
        given += share;
        if (sizes[index] < 0) {
            given -= sizes[index];
            sizes[index] = 0;
        }
    }
    return difference - given;
}

enum class Edge { start, middle, end };

struct Anchoring {
    Edge horizontal;
    Edge vertical;
};

bool anchoringOf(int anchor, Anchoring& anchoring) {
    switch (anchor) {
    case Constraints::CENTER:
        anchoring = {Edge::middle, Edge::middle};
        return true;
    case Constraints::NORTH:
        anchoring = {Edge::middle, Edge::start};
        return true;
    case Constraints::NORTHEAST:
        anchoring = {Edge::end, Edge::start};
        return true;
    case Constraints::EAST:
        anchoring = {Edge::end, Edge::middle};
        return true;
    case Constraints::SOUTHEAST:
        anchoring = {Edge::end, Edge::end};
        return true;
    case Constraints::SOUTH:
        anchoring = {Edge::middle, Edge::end};
        return true;
    case Constraints::SOUTHWEST:
        anchoring = {Edge::start, Edge::end};
        return true;
    case Constraints::WEST:
        anchoring = {Edge::start, Edge::middle};
        return true;
    case Constraints::NORTHWEST:
        anchoring = {Edge::start, Edge::start};
        return true;
    default:
        return false;
    }
}

int offsetFor(Edge edge, int spare) {
    switch (edge) {
    case Edge::middle:
        return spare / 2;
    case Edge::end:
        return spare;
    case Edge::start:
        break;
    }
    return 0;
}

// Shrinks the cell area by the insets and, where the child does not fill, to its own size; the
// anchor then places it in the room left over.
void fitIntoCell(const Constraints& constraints, Area& area) {
    area.x += constraints.insets.left;
    area.y += constraints.insets.top;
    area.width -= constraints.insets.left + constraints.insets.right;
    area.height -= constraints.insets.top + constraints.insets.bottom;

    const bool fillsWidth =
        constraints.fill == Constraints::HORIZONTAL || constraints.fill == Constraints::BOTH;
    const bool fillsHeight =
        constraints.fill == Constraints::VERTICAL || constraints.fill == Constraints::BOTH;
    const int ownWidth = constraints.minWidth + constraints.ipadx;
    const int ownHeight = constraints.minHeight + constraints.ipady;
    int spareWidth = 0;
    if (!fillsWidth && area.width > ownWidth) {
        spareWidth = area.width - ownWidth;
        area.width = ownWidth;
    }
    int spareHeight = 0;
    if (!fillsHeight && area.height > ownHeight) {
        spareHeight = area.height - ownHeight;
        area.height = ownHeight;
    }

    Anchoring anchoring{};
    if (!anchoringOf(constraints.anchor, anchoring)) {
        JovPrintWriter::standardError().println("illegal anchor value");
        return;
    }
    area.x += offsetFor(anchoring.horizontal, spareWidth);
    area.y += offsetFor(anchoring.vertical, spareHeight);
}

} // namespace

struct JovGridBagLayout::Cell {
    JovComponent* component;
    JovGridBagConstraints* constraints;
    Area area;
};

JovGridBagLayout::JovGridBagLayoutInfo::JovGridBagLayoutInfo()
    : width(0), height(0), startx(0), starty(0), minWidth(), minHeight(), weightX(), weightY() {
}

JovObject* JovGridBagLayout::JovGridBagLayoutInfo::clone() const {
    return new JovGridBagLayoutInfo(*this);
}

JovString JovGridBagLayout::JovGridBagLayoutInfo::toString() const {
    return "ool.awt.JovGridBagLayout.JovGridBagLayoutInfo";
}

JovGridBagLayout::JovGridBagLayout() = default;

void JovGridBagLayout::addLayoutComponent(JovComponent* component, const JovObject* constraints) {
    if (constraints == nullptr) {
        return;
    }
    const auto* gridBagConstraints = dynamic_cast<const JovGridBagConstraints*>(constraints);
    if (gridBagConstraints == nullptr) {
        JovPrintWriter::standardError().println("ool.awt.JovGridBagLayout: Cannot add to layout: "
                                                "constraint must be a GridBagConstraint");
        return;
    }
    setConstraints(component, *gridBagConstraints);
}

void JovGridBagLayout::removeLayoutComponent(JovComponent* component) {
    if (component != nullptr) {
        constraintTable.remove(component);
    }
}

void JovGridBagLayout::setConstraints(JovComponent* component,
                                      const JovGridBagConstraints& constraints) {
    constraintTable.put(component, constraints);
}

JovGridBagConstraints JovGridBagLayout::getConstraints(JovComponent* component) const {
    const auto* kept = static_cast<const JovGridBagConstraints*>(constraintTable.get(component));
    return kept != nullptr ? *kept : defaultConstraints;
}

JovGridBagConstraints* JovGridBagLayout::lookupConstraints(JovComponent* component) {
    if (!constraintTable.containsKey(component)) {
        constraintTable.put(component, defaultConstraints);
    }
    return static_cast<JovGridBagConstraints*>(constraintTable.get(component));
}

std::vector<JovGridBagLayout::Cell> JovGridBagLayout::collectCells(JovContainer* container) {
    std::vector<Cell> cells;
    for (int index = 0; index < container->getComponentCount(); ++index) {
        JovComponent* child = container->getComponent(index);
        if (!child->isVisible()) {
            continue;
        }
        JovGridBagConstraints* constraints = lookupConstraints(child);
        const JovDimension size = child->getPreferredSize();
        constraints->minWidth = size.width;
        constraints->minHeight = size.height;
        cells.push_back(Cell{child, constraints, Area{}});
    }
    return cells;
}

void JovGridBagLayout::measure(std::vector<Cell>& cells, JovGridBagLayoutInfo& info) const {
    info = JovGridBagLayoutInfo();
    GridCursor extentFinder;
    for (const Cell& cell : cells) {
        const Area area = extentFinder.place(*cell.constraints);
        info.width = std::max(info.width, area.x + area.width);
        info.height = std::max(info.height, area.y + area.height);
    }
    info.width =
        std::max(info.width, static_cast<int>(std::min<size_t>(columnWidths.size(), gridLimit)));
    info.height =
        std::max(info.height, static_cast<int>(std::min<size_t>(rowHeights.size(), gridLimit)));

    GridCursor placer(info.width, info.height);
    std::vector<Demand> horizontal;
    std::vector<Demand> vertical;
    for (Cell& cell : cells) {
        const JovGridBagConstraints& constraints = *cell.constraints;
        cell.area = placer.place(constraints);
        horizontal.push_back(Demand{cell.area.x, cell.area.width, usableWeight(constraints.weightx),
                                    constraints.minWidth + constraints.ipadx +
                                        constraints.insets.left + constraints.insets.right});
        vertical.push_back(Demand{cell.area.y, cell.area.height, usableWeight(constraints.weighty),
                                  constraints.minHeight + constraints.ipady +
                                      constraints.insets.top + constraints.insets.bottom});
    }
    applyOverrides(info);
    distribute(horizontal, info.minWidth, info.weightX);
    distribute(vertical, info.minHeight, info.weightY);
}

void JovGridBagLayout::applyOverrides(JovGridBagLayoutInfo& info) const {
    std::copy_n(columnWidths.begin(), std::min<size_t>(columnWidths.size(), gridLimit),
                info.minWidth);
    std::copy_n(rowHeights.begin(), std::min<size_t>(rowHeights.size(), gridLimit), info.minHeight);
    std::transform(columnWeights.begin(),
                   columnWeights.begin() + std::min<size_t>(columnWeights.size(), gridLimit),
                   info.weightX, usableWeight);
    std::transform(rowWeights.begin(),
                   rowWeights.begin() + std::min<size_t>(rowWeights.size(), gridLimit),
                   info.weightY, usableWeight);
}

// Children keep their preferred sizes even in a container smaller than the grid, so one
// measurement serves every container size.
void JovGridBagLayout::layoutContainer(JovContainer* container) {
    std::vector<Cell> cells = collectCells(container);
    if (cells.empty()) {
        return;
    }
    JovGridBagLayoutInfo& info = layoutInfo;
    measure(cells, info);
    const JovInsets insets = container->getInsets();
    const int gridWidth = sumOf(info.minWidth, 0, info.width) + insets.left + insets.right;
    const int gridHeight = sumOf(info.minHeight, 0, info.height) + insets.top + insets.bottom;
    const int spareWidth =
        stretch(info.minWidth, info.weightX, info.width, container->getWidth() - gridWidth);
    const int spareHeight =
        stretch(info.minHeight, info.weightY, info.height, container->getHeight() - gridHeight);
    // Whatever the weights could not take centres the grid.
    info.startx = spareWidth / 2 + insets.left;
    info.starty = spareHeight / 2 + insets.top;

    for (const Cell& cell : cells) {
        Area area{info.startx + sumOf(info.minWidth, 0, cell.area.x),
                  info.starty + sumOf(info.minHeight, 0, cell.area.y),
                  sumOf(info.minWidth, cell.area.x, cell.area.x + cell.area.width),
                  sumOf(info.minHeight, cell.area.y, cell.area.y + cell.area.height)};
        fitIntoCell(*cell.constraints, area);
        // A child squeezed to nothing is parked out of the way rather than given a negative size.
        if (area.width <= 0 || area.height <= 0) {
            cell.component->setBounds(0, 0, 0, 0);
            continue;
        }
        cell.component->setBounds(area.x, area.y, area.width, area.height);
    }
}

JovDimension JovGridBagLayout::preferredLayoutSize(JovContainer* container) {
    std::vector<Cell> cells = collectCells(container);
    JovGridBagLayoutInfo info;
    measure(cells, info);
    const JovInsets insets = container->getInsets();
    return JovDimension(sumOf(info.minWidth, 0, info.width) + insets.left + insets.right,
                        sumOf(info.minHeight, 0, info.height) + insets.top + insets.bottom);
}

JovString JovGridBagLayout::toString() const {
    return "ool.awt.JovGridBagLayout";
}
