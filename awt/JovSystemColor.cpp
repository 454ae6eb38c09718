// System colours read from the window system.

#include "awt/JovSystemColor.h"

#include <windows.h>

namespace {

JovColor systemColor(int index) {
    const COLORREF value = GetSysColor(index);
    return JovColor(GetRValue(value), GetGValue(value), GetBValue(value));
}

} // namespace

JovSystemColor::JovSystemColor(int index) : JovColor(systemColor(index)), index(index) {
}

JovSystemColor::JovSystemColor(const JovSystemColor& other) : JovColor(other), index(other.index) {
}

JovSystemColor& JovSystemColor::operator=(const JovSystemColor& other) {
    JovColor::operator=(other);
    index = other.index;
    return *this;
}

JovString JovSystemColor::toString() const {
    return "ool.awt.JovSystemColor";
}
