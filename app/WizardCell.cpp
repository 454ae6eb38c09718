// Cell constraints of the wizard pages.

#include "app/WizardCell.h"

namespace {
constexpr int cellGap = 4;
} // namespace

JovGridBagConstraints WizardCell::at(int x, int y, int width, int fill, int anchor) {
    // A filled cell takes the free width; the others keep their preferred size.
    const double weight = fill == JovGridBagConstraints::NONE ? 0.0 : 1.0;
    return JovGridBagConstraints(x, y, width, 1, weight, 0.0, anchor, fill,
                                 JovInsets(cellGap, cellGap, cellGap, cellGap), 0, 0);
}
