// A font description: face name, weight and size in logical units. Graphics create the GDI font
// from it when it is selected.
#pragma once

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovFont : public JovObject {
public:
    static constexpr int normalWeight = 400;
    static constexpr int boldWeight = 700;

    JovFont() = default;
    JovFont(const JovString& faceName, int weight, int size)
        : faceName(faceName), weight(weight), size(size) {}
    JovFont(const JovFont& other)
        : JovObject(), faceName(other.faceName), weight(other.weight), size(other.size) {}
    JovFont& operator=(const JovFont& other);

    const JovString& getFaceName() const { return faceName; }
    int getWeight() const { return weight; }
    int getSize() const { return size; }

    JovObject* clone() const override { return new JovFont(*this); }
    JovString toString() const override;
    bool equals(const JovObject* other) const override;

private:
    JovString faceName = "MS Sans Serif";
    int weight = normalWeight;
    int size = 8;
};
