// Image icons: the item and flag pictures of the tables and the tree, and the about picture.

#include "awt/JovImageIcon.h"

#include "awt/windows/JovBmpReader.h"
#include "awt/windows/JovWImage.h"

JovImageIcon::JovImageIcon(const JovString& fileName)
    : description(fileName), image(JovBmpReader::read(fileName)) {
    if (image != nullptr) {
        image->addRef();
    }
}

JovImageIcon::~JovImageIcon() {
    if (image != nullptr) {
        image->release();
    }
}

int JovImageIcon::getIconWidth() const {
    return image == nullptr ? 0 : image->getWidth();
}

int JovImageIcon::getIconHeight() const {
    return image == nullptr ? 0 : image->getHeight();
}

JovString JovImageIcon::toString() const {
    return "ool.awt.JovImageIcon";
}
