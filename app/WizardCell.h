// The grid-bag cells of the label wizard's pages: one place for their common spacing.
#pragma once

#include "awt/JovGridBagConstraints.h"

class WizardCell {
public:
    WizardCell() = delete;

    // The cell at column x, row y, width columns wide, anchored left unless told otherwise.
    static JovGridBagConstraints at(int x, int y, int width = 1,
                                    int fill = JovGridBagConstraints::NONE,
                                    int anchor = JovGridBagConstraints::WEST);
};
