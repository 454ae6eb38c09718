#include "awt/JovFont.h"

JovFont& JovFont::operator=(const JovFont& other) {
    faceName = other.faceName;
    weight = other.weight;
    size = other.size;
    return *this;
}

JovString JovFont::toString() const {
    JovString text;
    text.format("ool.awt.JovFont[name=%s,weight=%d,size=%d]", faceName.chars(), weight, size);
    return text;
}

bool JovFont::equals(const JovObject* other) const {
    const auto* font = dynamic_cast<const JovFont*>(other);
    return font && font->faceName == faceName && font->weight == weight && font->size == size;
}
