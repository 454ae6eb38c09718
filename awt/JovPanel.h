// A plain container: the building block of forms and window contents.
#pragma once

#include "awt/JovContainer.h"

class JovPanel : public JovContainer {
public:
    JovPanel() = default;
    // Takes a counted reference on layout.
    explicit JovPanel(JovLayoutManager* layout);

    JovString toString() const override;
};
