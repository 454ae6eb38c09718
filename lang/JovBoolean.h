#pragma once
// A boxed truth value, written as "true" or "false".

#include "lang/JovObject.h"
#include "lang/JovString.h"

class JovBoolean : public JovObject {
public:
    explicit JovBoolean(bool value);

    bool booleanValue() const;

    JovString toString() const override;
    bool equals(const JovObject* other) const override;
    JovObject* clone() const override;

private:
    bool value;
};
