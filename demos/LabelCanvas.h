// A component that draws a label picture scaled into its area with a title and two lines of text
// over it, to show the toolkit's image and text drawing.
#pragma once

#include "awt/JovComponent.h"

class JovImageIcon;

class LabelCanvas : public JovComponent {
public:
    explicit LabelCanvas(const JovString& pictureFile);
    ~LabelCanvas() override;

    void paint(JovGraphics& graphics) override;
    JovDimension getPreferredSize() override;

    JovString toString() const override;

private:
    JovImageIcon* picture;
};
