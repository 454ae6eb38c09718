// Image icons: the item and flag pictures of the tables and the tree, and the about picture.

#include "awt/JovImageIcon.h"

#include "awt/windows/JovBmpReader.h"
#include "awt/windows/JovWImage.h"

JovImageIcon::JovImageIcon(const JovString& fileName) : description(fileName), read(false) {
}

JovImageIcon::~JovImageIcon() = default;

JovImage* JovImageIcon::getImage() const {
    if (!read) {
        image.reset(JovBmpReader::read(description));
        read = true;
    }
    return image.get();
}

int JovImageIcon::getIconWidth() const {
    const JovImage* picture = getImage();
    return picture != nullptr ? picture->getWidth() : 0;
}

int JovImageIcon::getIconHeight() const {
    const JovImage* picture = getImage();
    return picture != nullptr ? picture->getHeight() : 0;
}

JovString JovImageIcon::toString() const {
    return "ool.awt.JovImageIcon";
}
