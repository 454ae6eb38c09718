// Where and how one child of a grid-bag layout sits: its cells, how it takes spare room and
// where it sits within its cells. The layout keeps its own copy of each child's constraints.
#pragma once

#include "awt/JovInsets.h"
#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovGridBagConstraints : public JovObject {
public:
    // gridx and gridy: placed after the previous child; gridwidth and gridheight: up to the
    // next-to-last cell.
    static constexpr int RELATIVE = -1;
    // gridwidth and gridheight: up to the last cell of the row or column.
    static constexpr int REMAINDER = 0;

    static constexpr int NONE = 0;
    static constexpr int BOTH = 1;
    static constexpr int HORIZONTAL = 2;
    static constexpr int VERTICAL = 3;

    static constexpr int CENTER = 10;
    static constexpr int NORTH = 11;
    static constexpr int NORTHEAST = 12;
    static constexpr int EAST = 13;
    static constexpr int SOUTHEAST = 14;
    static constexpr int SOUTH = 15;
    static constexpr int SOUTHWEST = 16;
    static constexpr int WEST = 17;
    static constexpr int NORTHWEST = 18;

    JovGridBagConstraints();
    JovGridBagConstraints(int gridx, int gridy, int gridwidth, int gridheight, double weightx,
                          double weighty, int anchor, int fill, const JovInsets& insets, int ipadx,
                          int ipady);
    // A copy is a new object of its own (see JovObject).
    JovGridBagConstraints(const JovGridBagConstraints& other) = default;
    JovGridBagConstraints& operator=(const JovGridBagConstraints& other) = default;

    JovObject* clone() const override;
    JovString toString() const override;

    int gridx;
    int gridy;
    int gridwidth;
    int gridheight;
    double weightx;
    double weighty;
    int anchor;
    int fill;
    JovInsets insets;
    int ipadx;
    int ipady;
    // The child's preferred size, recorded by the layout while it measures.
    int minWidth;
    int minHeight;
};
