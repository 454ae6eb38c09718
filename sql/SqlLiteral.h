// Writes values into statement texts in the forms the database expects.
#pragma once

#include "lang/JovString.h"

class SqlLiteral {
public:
    // A text literal between single quotes; a quote inside the text is doubled so it cannot end
    // the literal early (names such as "Omas Kartoffelsalat" may carry apostrophes).
    static JovString quoted(const JovString& text);
};
