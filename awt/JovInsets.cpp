#include "awt/JovInsets.h"

JovInsets& JovInsets::operator=(const JovInsets& other) {
    top = other.top;
    left = other.left;
    bottom = other.bottom;
    right = other.right;
    return *this;
}

JovString JovInsets::toString() const {
    JovString text;
    text.format("JovInsets [%d, %d, %d, %d]", top, left, bottom, right);
    return text;
}

bool JovInsets::equals(const JovObject* other) const {
    const auto* insets = dynamic_cast<const JovInsets*>(other);
    return insets && insets->top == top && insets->left == left && insets->bottom == bottom &&
           insets->right == right;
}
