#pragma once
// A boxed 32-bit integer, as stored in item property tables.

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovInteger : public JovObject {
public:
    explicit JovInteger(int value);

    int intValue() const;
    // Decimal conversion like atoi: leading white space, optional sign, digits up to the first
    // other character; no digits give 0.
    static int parseInt(const JovString& text);

    JovString toString() const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;

private:
    int value;
};
