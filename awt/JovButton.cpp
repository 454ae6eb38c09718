#include "awt/JovButton.h"

JovString JovButton::toString() const {
    return labelledText("JovButton");
}
