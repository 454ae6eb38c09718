// Defaults and copies of grid-bag constraints.

#include "awt/JovGridBagConstraints.h"

JovGridBagConstraints::JovGridBagConstraints()
    : JovGridBagConstraints(RELATIVE, RELATIVE, 1, 1, 0.0, 0.0, CENTER, NONE, JovInsets(), 0, 0) {
}

JovGridBagConstraints::JovGridBagConstraints(int gridx, int gridy, int gridwidth, int gridheight,
                                             double weightx, double weighty, int anchor, int fill,
                                             const JovInsets& insets, int ipadx, int ipady)
    : gridx(gridx), gridy(gridy), gridwidth(gridwidth), gridheight(gridheight), weightx(weightx),
      weighty(weighty), anchor(anchor), fill(fill), insets(insets), ipadx(ipadx), ipady(ipady),
      minWidth(0), minHeight(0) {
}

JovObject* JovGridBagConstraints::clone() const {
    return new JovGridBagConstraints(*this);
}

JovString JovGridBagConstraints::toString() const {
    return "ool.awt.JovGridBagConstraints";
}
