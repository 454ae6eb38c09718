#include "awt/JovCheckBox.h"

JovString JovCheckBox::toString() const {
    return labelledText("JovCheckBox");
}
