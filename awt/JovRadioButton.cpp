#include "awt/JovRadioButton.h"

JovString JovRadioButton::toString() const {
    return labelledText("JovRadioButton");
}
