// Draws the picture with its aspect ratio kept, centred, and the label texts on it.

#include "LabelCanvas.h"

#include "awt/JovColor.h"
#include "awt/JovFont.h"
#include "awt/JovGraphics.h"
#include "awt/JovImageIcon.h"

#include <algorithm>

namespace {

constexpr int margin = 10;
constexpr int textIndentDivisor = 12;
constexpr int bandDivisor = 5;
constexpr int lineHeight = 20;
constexpr int preferredWidth = 360;
constexpr int preferredHeight = 320;
constexpr int titleWeight = 700;
constexpr int titleSize = 16;
constexpr int textWeight = 400;
constexpr int textSize = 12;

} // namespace

LabelCanvas::LabelCanvas(const JovString& pictureFile) : picture(new JovImageIcon(pictureFile)) {
    picture->addRef();
    setBackground(JovColor(255, 255, 255));
}

LabelCanvas::~LabelCanvas() {
    picture->release();
}

JovDimension LabelCanvas::getPreferredSize() {
    return JovDimension(preferredWidth, preferredHeight);
}

void LabelCanvas::paint(JovGraphics& graphics) {
    const int roomWidth = getWidth() - 2 * margin;
    const int roomHeight = getHeight() - 2 * margin;
    if (picture->getImage() == nullptr || roomWidth <= 0 || roomHeight <= 0) {
        return;
    }
    const double scale = std::min(static_cast<double>(roomWidth) / picture->getIconWidth(),
                                  static_cast<double>(roomHeight) / picture->getIconHeight());
    const int width = static_cast<int>(picture->getIconWidth() * scale);
    const int height = static_cast<int>(picture->getIconHeight() * scale);
    const int x = (getWidth() - width) / 2;
    const int y = (getHeight() - height) / 2;
    graphics.drawImage(picture->getImage(), x, y, width, height);
    // The texts sit below the label's coloured band, as on a printed label.
    const int textLeft = x + height / textIndentDivisor;
    const int textTop = y + height / bandDivisor;
    graphics.setColor(JovColor(0, 0, 0));
    graphics.setFont("Arial", titleWeight, titleSize);
    graphics.drawString("Gulasch mit Nudeln", textLeft, textTop + lineHeight);
    graphics.setFont("Arial", textWeight, textSize);
    graphics.drawString("Zutaten: Rindfleisch (35 %), Hartweizennudeln, Zwiebeln,", textLeft,
                        textTop + 2 * lineHeight + lineHeight / 2);
    graphics.drawString("Paprikapulver, Speisesalz.", textLeft,
                        textTop + 3 * lineHeight + lineHeight / 2);
    graphics.drawString("Füllmenge: 450 g", textLeft, textTop + 5 * lineHeight);
    graphics.drawString("Zu verbrauchen bis: 08.12.2026", textLeft, textTop + 6 * lineHeight);
}

JovString LabelCanvas::toString() const {
    return "ool.demos.LabelCanvas";
}
