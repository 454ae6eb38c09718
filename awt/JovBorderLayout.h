// Places up to five children: one each along the top, bottom, left and right edges and one in
// the remaining centre. Dialogs and windows use it for their content.
#pragma once

#include "awt/JovLayoutManager.h"
#include "lang/JovString.h"

class JovBorderLayout : public JovLayoutManager {
public:
    // The place names a child is added with.
    static constexpr const char* NORTH = "North";
    static constexpr const char* SOUTH = "South";
    static constexpr const char* EAST = "East";
    static constexpr const char* WEST = "West";
    static constexpr const char* CENTER = "Center";

    // rowGap spaces the rows (north, middle, south), columnGap the columns (west, centre, east).
    explicit JovBorderLayout(int rowGap = 0, int columnGap = 0);

    // A second centre pushes the first out of its container; a second child on an edge only
    // takes the place. Constraints that are not one of the place names are ignored.
    void addLayoutComponent(JovComponent* component, const JovObject* constraints) override;
    void removeLayoutComponent(JovComponent* component) override;
    void layoutContainer(JovContainer* container) override;
    JovDimension preferredLayoutSize(JovContainer* container) override;

    JovString toString() const override;

private:
    void replaceCenter(JovComponent* component);

    // Not counted: the container holds its children.
    JovComponent* center;
    JovComponent* east;
    JovComponent* north;
    JovComponent* south;
    JovComponent* west;
    int rowGap;
    int columnGap;
};
