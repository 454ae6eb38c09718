#pragma once
// A boxed double; its text always carries a decimal point, whatever the process locale.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovDouble : public JovObject {
public:
    JovDouble();
    explicit JovDouble(double value);

    double doubleValue() const;
    // Converts like atof in the process locale: under the German locale a comma is the decimal
    // separator and a point ends the number.
    static double parseDouble(const JovString& text);

    // Six decimals after a point ("12.500000"), the form the database texts are written in.
    JovString toString() const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;

private:
    double value;
};
