// Places children on a grid whose columns and rows take the sizes their children need: each
// child covers a rectangle of cells, and spare room goes to the columns and rows by weight. The
// application's forms are built with it.
#pragma once

#include "awt/JovGridBagConstraints.h"
#include "awt/JovLayoutManager.h"
#include "util/JovHashtable.h"

#include <vector>

class JovGridBagLayout : public JovLayoutManager {
public:
    // Columns and rows beyond this are folded into the last one.
    static constexpr int MAXIMUM_GRID_SIZE = 512;

    // The grid as the last layout measured it: its extent, its origin in the container and the
    // size and weight of every column and row.
    class JovGridBagLayoutInfo : public JovObject {
    public:
        JovGridBagLayoutInfo();

        JovObject* clone() const override;
        JovString toString() const override;

        int width;
        int height;
        int startx;
        int starty;
        int minWidth[MAXIMUM_GRID_SIZE];
        int minHeight[MAXIMUM_GRID_SIZE];
        double weightX[MAXIMUM_GRID_SIZE];
        double weightY[MAXIMUM_GRID_SIZE];
    };

    JovGridBagLayout();

    // Keeps a copy of JovGridBagConstraints; null constraints leave the defaults to the first
    // layout; any other object is refused with an error line.
    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override;
    void removeLayoutComponent(JovComponent* component) override;
    void layoutContainer(JovContainer* container) override;
    JovDimension preferredLayoutSize(JovContainer* container) override;

    void setConstraints(JovComponent* component, const JovGridBagConstraints& constraints);
    // A copy of what the layout keeps for component, or of the defaults.
    JovGridBagConstraints getConstraints(JovComponent* component) const;
    const JovGridBagLayoutInfo& getLayoutInfo() const { return layoutInfo; }

    JovString toString() const override;

    // Optional starting sizes and weights of the first columns and rows; empty means none.
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    std::vector<double> columnWeights;
    std::vector<double> rowWeights;

private:
    struct Cell;

    // The table's constraints for component, created from the defaults on first use.
    JovGridBagConstraints* lookupConstraints(JovComponent* component);
    // The visible children with their preferred sizes recorded in their constraints.
    std::vector<Cell> collectCells(JovContainer* container);
    // Places the cells on the grid and sizes its columns and rows into info.
    void measure(std::vector<Cell>& cells, JovGridBagLayoutInfo& info) const;
    void applyOverrides(JovGridBagLayoutInfo& info) const;

    // Component -> its own copy of JovGridBagConstraints.
    JovHashtable constraintTable;
    JovGridBagConstraints defaultConstraints;
    JovGridBagLayoutInfo layoutInfo;
};
