// Image icons: the item and flag pictures of the tables and the tree, and the about picture.

#include "awt/JovImageIcon.h"

#include "awt/windows/JovBmpReader.h"
#include "awt/windows/JovWImage.h"

JovImageIcon::JovImageIcon(const JovString& fileName)
    : description(fileName), image(JovBmpReader::read(fileName)) {
}

JovImageIcon::~JovImageIcon() = default;

int JovImageIcon::getIconWidth() const {
    return image ? image->getWidth() : 0;
}

int JovImageIcon::getIconHeight() const {
    return image ? image->getHeight() : 0;
}

JovString JovImageIcon::toString() const {
    return "ool.awt.JovImageIcon";
}
