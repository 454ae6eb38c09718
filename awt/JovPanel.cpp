// The plain container.

#include "awt/JovPanel.h"

JovPanel::JovPanel(JovLayoutManager* layout) {
    setLayout(layout);
}

JovString JovPanel::toString() const {
    return "ool.awt.JovPanel";
}
