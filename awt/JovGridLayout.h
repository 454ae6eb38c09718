// Places children in equal cells, row by row; used for button groups of fixed shape.
#pragma once

#include "awt/JovLayoutManager.h"

class JovGridLayout : public JovLayoutManager {
public:
    // With rows above 0 the columns follow from the child count; otherwise columns is used and
    // the rows follow. With neither above 0 the children are left where they are.
    JovGridLayout(int rows, int columns, int horizontalGap = 0, int verticalGap = 0);

    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override;
    void removeLayoutComponent(JovComponent* component) override;
    void layoutContainer(JovContainer* container) override;
    // Every cell as large as the largest preferred width and height among the children.
    JovDimension preferredLayoutSize(JovContainer* container) override;

    JovString toString() const override;

private:
    struct Shape {
        int rows;
        int columns;
    };

    // Rows and columns for count children; both 0 when the grid has no shape.
    Shape shapeFor(int count) const;

    int rows;
    int columns;
    int horizontalGap;
    int verticalGap;
};
